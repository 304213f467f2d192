# Compresses text files at build time and compiles them into a library as the
# embedded resource table (see app/resources/resource_registry.h).
add_executable(vellmora_embed ${PROJECT_SOURCE_DIR}/tools/embed/embed_resources.cpp)
target_link_libraries(vellmora_embed PRIVATE ZLIB::ZLIB)

# vellmora_embed_resources(TARGET NAME FILE [NAME FILE ...])
function(vellmora_embed_resources target)
  set(arguments)
  set(files)
  while(ARGN)
    list(POP_FRONT ARGN name file)
    list(APPEND arguments "${name}=${file}")
    list(APPEND files ${file})
  endwhile()
  set(output ${CMAKE_CURRENT_BINARY_DIR}/embedded_resources.cpp)
  add_custom_command(
    OUTPUT ${output}
    COMMAND vellmora_embed ${output} ${arguments}
    DEPENDS vellmora_embed ${files}
    COMMENT "Compressing the embedded resources"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
