<JSB>
   <JSB_DESCRIPTOR NAME="brantwick.gallery.SlideShow" ENV="client"
                   DISPLAYNAME="Slide Show"
                   SHORTDESCRIPTION="Cycles through a list of images"
                   CUSTOMIZER="brantwick.gallery.SlideShowCustomizer">

   <JSB_PROPERTY NAME="images" TYPE="string"
                 DISPLAYNAME="Images"
                 SHORTDESCRIPTION="Comma-separated image addresses"
                 ISDEFAULT>

   <JSB_PROPERTY NAME="delay" TYPE="number"
                 DISPLAYNAME="Delay (ms)"
                 VALUESET="100:60000"
                 READMETHOD="getDelay"
                 WRITEMETHOD="setDelay"
                 ISBOUND>

   <JSB_PROPERTY NAME="transition" TYPE="string"
                 ENV="client"
                 VALUESET="none,fade,slide"
                 PROPERTYEDITOR="brantwick.gallery.TransitionEditor">

   <JSB_PROPERTY NAME="onchange" TYPE="function"
                 PROPTYPE="JS"
                 EVENTMODEL="JS"
                 ISRUNTIME>

   <JSB_METHOD NAME="show" TYPE="void">
      <JSB_PARAMETER NAME="index" TYPE="number"
                     VALUESET="0:999"
                     DISPLAYNAME="Index">
      <JSB_PARAMETER NAME="animate" TYPE="boolean">
   </JSB_METHOD>

   <JSB_METHOD NAME="next" TYPE="void"
               ENV="client"
               SHORTDESCRIPTION="Moves to the next image">
   </JSB_METHOD>

   <JSB_EVENT NAME="onSlide" EVENTMODEL="JS"
              DISPLAYNAME="On Slide"
              LISTENERTYPE="SlideListener"
              LISTENERMETHODS="slideChanged"
              ADDLISTENERMETHOD="addSlideListener"
              REMOVELISTENERMETHOD="removeSlideListener"
              ISDEFAULT>

   <JSB_INTERFACE NAME="Animatable"
                  DISPLAYNAME="Animatable">

   <JSB_CONSTRUCTOR>
	function brantwick_gallery_SlideShow( params ) {
		this.images = (params.images || "").split(",");
		this.delay = params.delay || 3000;
		this.index = 0;
	}

   </JSB_CONSTRUCTOR>

</JSB>