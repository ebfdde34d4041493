// What the model needs of the attribute pages: one operation per kind of
// object to fill its page, and one to refresh only its name field.
#pragma once

class TJSBean;
class TPropertyDescriptor;
class TMethodDescriptor;
class TParameterDescriptor;
class TEventSetDescriptor;
class TJSInterface;

class TAttributeView {
 public:
  virtual ~TAttributeView() = default;

  virtual void ShowBeanAttributes(const TJSBean& Bean) = 0;
  virtual void ShowPropertyAttributes(const TPropertyDescriptor& Item) = 0;
  virtual void ShowMethodAttributes(const TMethodDescriptor& Item) = 0;
  virtual void ShowParameterAttributes(const TParameterDescriptor& Item) = 0;
  virtual void ShowEventAttributes(const TEventSetDescriptor& Item) = 0;
  virtual void ShowInterfaceAttributes(const TJSInterface& Item) = 0;

  virtual void ShowBeanName(const TJSBean& Bean) = 0;
  virtual void ShowPropertyName(const TPropertyDescriptor& Item) = 0;
  virtual void ShowMethodName(const TMethodDescriptor& Item) = 0;
  virtual void ShowParameterName(const TParameterDescriptor& Item) = 0;
  virtual void ShowEventName(const TEventSetDescriptor& Item) = 0;
  virtual void ShowInterfaceName(const TJSInterface& Item) = 0;
};
