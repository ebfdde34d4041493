<JSB>
   <JSB_DESCRIPTOR NAME="demo.widgets.Clock" ENV="client"
                   DISPLAYNAME="Clock"
                   ISJAVA>

   <JSB_PROPERTY NAME="interval" TYPE="number"
                 DISPLAYNAME="Interval"
                 ISBOUND>

   <JSB_PROPERTY NAME="label">

   <JSB_METHOD NAME="start" TYPE="void">
      <JSB_PARAMETER NAME="delay" TYPE="number"
                     VALUESET="0:1000">
   </JSB_METHOD>

   <JSB_METHOD NAME="stop">
   </JSB_METHOD>

   <JSB_EVENT NAME="onTick" EVENTMODEL="JS"
              LISTENERTYPE="TickListener">

   <JSB_INTERFACE NAME="Runnable">

   <JSB_CONSTRUCTOR>
function demo_widgets_Clock( params ) {
}

   </JSB_CONSTRUCTOR>

</JSB>