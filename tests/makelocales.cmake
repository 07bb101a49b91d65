# cmake -DLOCALEDEF=... -DDIR=... -DLOCALES="it_IT.UTF-8;..." -P makelocales.cmake
# Compiles each locale into DIR/NAME, where LOCPATH=DIR finds it: the tests run under the
# locales of real classrooms even on a machine that has none of them installed.
foreach(locale ${LOCALES})
    string(REGEX REPLACE "\\..*" "" source ${locale})
    string(REGEX REPLACE ".*\\." "" charmap ${locale})
    # localedef may report warnings of the definition with a non-zero status while it still
    # writes the locale: what counts is that the locale is there.
    execute_process(COMMAND ${LOCALEDEF} -c -i ${source} -f ${charmap} ${DIR}/${locale}
                    RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
    if(NOT EXISTS ${DIR}/${locale}/LC_NUMERIC)
        message(FATAL_ERROR "Cannot build the locale ${locale} (status ${status}): ${errors}\n"
                            "Its definition comes with Debian's package 'locales': apt-get install locales")
    endif()
endforeach()
