# The languages Spanwise speaks besides English, each a po/<code>.po. A new language is one PO
# file and its code here.
set(SPANWISE_LANGUAGES ja)

set(SPANWISE_PO_FILES)
foreach(code IN LISTS SPANWISE_LANGUAGES)
    list(APPEND SPANWISE_PO_FILES "${PROJECT_SOURCE_DIR}/po/${code}.po")
endforeach()

# spanwise_merge_translations(<desktop|xml> <template> <output>)
#
# Writes output from template with every language's translations of its texts in the file's own
# translation fields: Name[ja]=... in a desktop entry, xml:lang="ja" elements in AppStream
# metadata (msgfmt --desktop, msgfmt --xml). Done when CMake configures, again when a PO file or
# the template changes.
function(spanwise_merge_translations kind template output)
    find_program(SPANWISE_MSGFMT msgfmt REQUIRED)
    set(po_dir "${SPANWISE_GENERATED_DIR}/po")
    file(MAKE_DIRECTORY "${po_dir}")
    foreach(po IN LISTS SPANWISE_PO_FILES)
        file(COPY "${po}" DESTINATION "${po_dir}")
    endforeach()
    list(JOIN SPANWISE_LANGUAGES "\n" linguas)
    file(CONFIGURE OUTPUT "${po_dir}/LINGUAS" CONTENT "${linguas}\n" @ONLY)
    get_filename_component(output_dir "${output}" DIRECTORY)
    file(MAKE_DIRECTORY "${output_dir}")
    execute_process(COMMAND "${SPANWISE_MSGFMT}" --${kind} --template=${template} -d "${po_dir}"
                            -o "${output}"
                    COMMAND_ERROR_IS_FATAL ANY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${SPANWISE_PO_FILES} "${template}")
endfunction()
