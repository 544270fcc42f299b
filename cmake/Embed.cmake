# tromfel_embed(TARGET file...): embeds the files in TARGET and gives it the
# table that platform::embeddedResources() returns, keyed by file name.
function(tromfel_embed target)
    set(dir "${CMAKE_CURRENT_BINARY_DIR}/${target}_embedded")
    set(declarations "")
    set(entries "")
    set(index 0)
    foreach(file IN LISTS ARGN)
        get_filename_component(name "${file}" NAME)
        set(symbol "tromfel_embedded_${index}")
        set(source "${dir}/${symbol}.cpp")
        add_custom_command(
            OUTPUT "${source}"
            COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT=${source} -DSYMBOL=${symbol}
                    -P "${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake"
            DEPENDS "${file}" "${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake"
            COMMENT "Embedding ${name}"
            VERBATIM)
        target_sources(${target} PRIVATE "${source}")
        string(APPEND declarations "extern const unsigned char ${symbol}[];\nextern const std::size_t ${symbol}_size;\n")
        string(APPEND entries "    {\"${name}\", ${symbol}, ${symbol}_size},\n")
        math(EXPR index "${index} + 1")
    endforeach()
    file(WRITE "${dir}/table.cpp.in"
        "// Generated: the files embedded in ${target}.\n#include \"platform/resources.h\"\n\n${declarations}\nnamespace platform {\nstd::span<const Resource> embeddedResources() {\n    static const Resource table[] = {\n${entries}    };\n    return table;\n}\n}  // namespace platform\n")
    configure_file("${dir}/table.cpp.in" "${dir}/table.cpp" COPYONLY)
    target_sources(${target} PRIVATE "${dir}/table.cpp")
endfunction()
