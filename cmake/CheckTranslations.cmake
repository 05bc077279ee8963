# Fails when a catalogue is not complete: lupdate, run on a copy of it with
# the program's sources, would leave a text untranslated (new or changed in
# the sources) or a translation whose text the sources no longer have.
# Run: cmake -DLUPDATE=<program> -DSOURCE_DIR=<checkout> -DSOURCES_FILE=<list>
#      -DTS_FILES=<a.ts;b.ts> -DWORK_DIR=<scratch folder> -P cmake/CheckTranslations.cmake
cmake_minimum_required(VERSION 3.25)
file(STRINGS ${SOURCES_FILE} sources)
file(MAKE_DIRECTORY ${WORK_DIR})
set(failed "")
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name ${ts} NAME)
    set(copy ${WORK_DIR}/${name})
    file(COPY_FILE ${ts} ${copy})
    execute_process(COMMAND ${LUPDATE} -silent -locations none -I ${SOURCE_DIR}/src
            ${sources} -ts ${copy}
        RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}:\n${output}")
    endif()
    file(READ ${copy} text)
    # One message per match: its source and the kind of its translation.
    string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"(unfinished|vanished|obsolete)\""
        open "${text}")
    foreach(entry IN LISTS open)
        string(REGEX REPLACE "<source>([^<]*)</source>.*type=\"([a-z]+)\"" "\\2: \\1" entry "${entry}")
        string(APPEND failed "  ${name}: ${entry}\n")
    endforeach()
endforeach()
if(failed)
    message(FATAL_ERROR "Translations not complete (update with the update_translations target, "
        "then translate):\n${failed}")
endif()
