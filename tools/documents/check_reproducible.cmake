# Generates the documents and their button pictures twice, in two processes run a second
# apart and in time zones fourteen hours apart, and compares the two byte for byte: nothing in
# them may depend on when or where they were made. Both are made in this run, with the fonts
# the machine has now, so a font package installed or updated since the build changes neither.
file(REMOVE_RECURSE ${WORK})
foreach(run IN ITEMS first second)
  if(run STREQUAL "second")
    execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 1)
    set(ENV{TZ} "KIRITIMATI-14")  # POSIX: fourteen hours ahead of UTC
  else()
    set(ENV{TZ} "UTC0")
  endif()
  execute_process(COMMAND ${GENERATOR} ${WORK}/${run}/documents ${WORK}/${run}/button_pictures ${DIST}
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "document_generator failed: ${result}")
  endif()
  file(GLOB generated ${WORK}/${run}/documents/*.pdf ${WORK}/${run}/button_pictures/*.png)
  list(LENGTH generated count)
  if(NOT count EQUAL 36)
    message(FATAL_ERROR "expected 18 documents and 18 button pictures, found ${count} files")
  endif()
endforeach()
file(GLOB_RECURSE made RELATIVE ${WORK}/first ${WORK}/first/*)
foreach(name IN LISTS made)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/first/${name}" "${WORK}/second/${name}"
                  RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "\"${name}\" differs between two runs of the generator")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK})
