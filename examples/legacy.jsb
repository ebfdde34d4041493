<jsb version="1.0">
<jsb_descriptor name="old.Counter" displayname="Counter">
<jsb_property name="count" type="number" isbound>
<JSB_LISTENER NAME="CounterListener">
<jsb_property name="notReadInsideAListener">
</JSB_LISTENER>
<jsb_method name="increment" type="void"></JSB_METHOD>
<JSB_CONSTRUCTOR>
function old_Counter(params) { this.count = 0; }
</JSB_CONSTRUCTOR>
</jsb>
