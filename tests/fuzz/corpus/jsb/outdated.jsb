<JSB version="1">
<JSB_INTERFACE NAME="Runnable">
