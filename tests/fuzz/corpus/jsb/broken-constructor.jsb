<JSB>
<JSB_DESCRIPTOR NAME="broken">
<JSB_CONSTRUCTOR>var a = {;
var b = 2;
</JSB_CONSTRUCTOR>
</JSB>
