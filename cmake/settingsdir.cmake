# The folder of the machine-wide settings for an install prefix. The toolkit
# reads them from /etc/xdg for a system install (/usr or /usr/local); any other
# prefix keeps them inside itself. An explicit folder (CORVANE_SETTINGS_DIR)
# wins; a relative one lies under the prefix. Used at configure time for the
# manual page and at install time for the file itself, so that an install with
# --prefix or DESTDIR writes nothing outside the prefix it is given.
function(corvane_settings_dir prefix explicit out)
  if(explicit)
    cmake_path(ABSOLUTE_PATH explicit BASE_DIRECTORY "${prefix}" OUTPUT_VARIABLE dir)
  elseif(prefix MATCHES "^/usr(/local)?/?$")
    set(dir /etc/xdg)
  else()
    cmake_path(APPEND prefix etc xdg OUTPUT_VARIABLE dir)
  endif()
  set(${out} "${dir}" PARENT_SCOPE)
endfunction()
