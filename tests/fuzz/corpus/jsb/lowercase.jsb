<jsb>
<jsb_property name="a" type="number">
</jsb>