# What the browser's build needs of its own, before Qt is found: included when building with
# emscripten.

# In the browser the page loads the program under a Content-Security-Policy that allows no
# eval(): emscripten's runtime is linked without code made at run time.
add_link_options(-sDYNAMIC_EXECUTION=0)

# Debian's Qt leaves the plugins out of a static program unless they are asked for, and the
# program cannot start without its platform plugin. So they are asked for, and each program in
# the browser drops the ones it never uses: it shows no image in a file format.
set(QT_SKIP_AUTO_PLUGIN_INCLUSION OFF)
function(hill_browser_plugins target)
    qt_import_plugins(${target} EXCLUDE_BY_TYPE imageformats)
endfunction()
