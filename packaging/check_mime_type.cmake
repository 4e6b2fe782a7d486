# Builds a MIME database from the chart type alone and checks that *.kota
# names it. Run as: cmake -DMIME_XML=<file> -DWORK_DIR=<dir> -P <this file>
find_program(UPDATE_MIME_DATABASE update-mime-database REQUIRED)
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/packages")
configure_file("${MIME_XML}" "${WORK_DIR}/packages/org.zorvik.KotaChakra.xml" COPYONLY)
# Its note that the folder is not searched by desktops is expected here.
execute_process(COMMAND ${UPDATE_MIME_DATABASE} "${WORK_DIR}" RESULT_VARIABLE failed
    ERROR_VARIABLE errors)
if(failed)
    message(FATAL_ERROR "update-mime-database refused the chart type: ${errors}")
endif()
file(READ "${WORK_DIR}/globs2" globs)
if(NOT globs MATCHES "application/x-kotachakra-chart:\\*\\.kota")
    message(FATAL_ERROR "*.kota is not a chart file:\n${globs}")
endif()
