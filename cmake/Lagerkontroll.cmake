# The build fails when a file of a lower layer includes a header of a Qt
# module that its layer must not use. The check runs again whenever one of
# the layer's files changes.

get_target_property(_qt_kataloger Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
set(MATVARDA_QT_ROT "")
foreach(_katalog IN LISTS _qt_kataloger)
  if(EXISTS "${_katalog}/QtCore/QString")
    set(MATVARDA_QT_ROT "${_katalog}")
  endif()
endforeach()

function(matvarda_lagerkontroll mal forbjudna)
  get_target_property(kallor ${mal} SOURCES)
  get_target_property(kallkatalog ${mal} SOURCE_DIR)
  set(filer)
  foreach(kalla IN LISTS kallor)
    if(kalla MATCHES "^\\$<")
      continue()
    endif()
    cmake_path(ABSOLUTE_PATH kalla BASE_DIRECTORY ${kallkatalog} OUTPUT_VARIABLE fil)
    list(APPEND filer ${fil})
  endforeach()
  set(stampel ${CMAKE_CURRENT_BINARY_DIR}/${mal}_lager.ok)
  add_custom_command(
    OUTPUT ${stampel}
    COMMAND ${CMAKE_COMMAND} "-DFILER=${filer}" "-DFORBJUDNA=${forbjudna}" "-DQTROT=${MATVARDA_QT_ROT}"
            -DLAGER=${mal} -P ${CMAKE_SOURCE_DIR}/cmake/Lagerkontroll_kor.cmake
    COMMAND ${CMAKE_COMMAND} -E touch ${stampel}
    DEPENDS ${filer} ${CMAKE_SOURCE_DIR}/cmake/Lagerkontroll_kor.cmake
    COMMENT "Lagerkontroll av ${mal}"
    VERBATIM)
  add_custom_target(${mal}_lagerkontroll DEPENDS ${stampel})
  add_dependencies(${mal} ${mal}_lagerkontroll)
endfunction()
