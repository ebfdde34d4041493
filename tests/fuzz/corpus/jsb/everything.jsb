<JSB>
   <JSB_DESCRIPTOR NAME="a.b.C" ENV="client"
                   DISPLAYNAME="C"
                   SHORTDESCRIPTION="s"
                   CUSTOMIZER="cu"
                   ISJAVA
                   ISHIDDEN>

   <JSB_PROPERTY NAME="p" TYPE="t"
                 PROPTYPE="JS"
                 DISPLAYNAME="P"
                 SHORTDESCRIPTION="sd"
                 EVENTMODEL="em"
                 ENV="env"
                 VALUESET="1:2"
                 PROPERTYEDITOR="pe"
                 READMETHOD="get"
                 WRITEMETHOD="set"
                 ISDEFAULT
                 ISBOUND
                 ISRUNTIME>

   <JSB_METHOD NAME="m" TYPE="void"
               ENV="e">
      <JSB_PARAMETER NAME="x" TYPE="number"
                     VALUESET="0:9">
   </JSB_METHOD>

   <JSB_EVENT NAME="ev" EVENTMODEL="JS"
              ADDLISTENERMETHOD="add"
              REMOVELISTENERMETHOD="remove">

   <JSB_INTERFACE NAME="I"
                  DISPLAYNAME="i">

   <JSB_CONSTRUCTOR>
function a_b_C( params ) {
}

   </JSB_CONSTRUCTOR>

</JSB>