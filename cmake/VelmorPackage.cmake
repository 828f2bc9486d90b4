# `cpack -G DEB` in a build folder: velmor_<version>_<arch>.deb with the program, its
# resources, its desktop entry and icons. The shared libraries it links decide its Depends.
set(CPACK_PACKAGE_NAME velmor)
set(CPACK_PACKAGE_VENDOR "Velmor")
set(CPACK_PACKAGE_CONTACT "Velmor maintainers <maintainers@velmor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mouse gestures for the X11 desktop")
set(CPACK_PACKAGE_DESCRIPTION
    "Hold the right mouse button, draw and release: straight strokes page a
browser, skip tracks, open or close tabs, minimise or close windows; a
capital letter you trained opens the application or web address bound to
it. While the button is held, the wheel sets the volume.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL velmor)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_NAME velmor)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# pactl reads and sets the volume the wheel changes; without it the rest still works.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS pulseaudio-utils)
# GNOME shows the tray menu only with its AppIndicator extension; the area capture runs the
# desktop's capture tool.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS
    "gnome-shell-extension-appindicator, flameshot | gnome-screenshot | spectacle | xfce4-screenshooter | mate-utils | scrot")

include(CPack)
