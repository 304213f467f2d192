# One static library per layer, made of every .cpp file of its folder.
#   vellmora_library(NAME FOLDER [PUBLIC lib...] [PRIVATE lib...])
# FOLDER is relative to the project root ("app", "app/qt"). The library exposes
# only its own headers: its include folder in the build tree holds a link
# FOLDER -> the source folder, so that its users write "app/file.h" and a
# header of a layer the library does not link is not found.
function(vellmora_include_folder target folder)
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  set(${target}_INCLUDE_ROOT ${root} PARENT_SCOPE)
endfunction()

function(vellmora_library name folder)
  cmake_parse_arguments(PARSE_ARGV 2 link "" "" "PUBLIC;PRIVATE")
  vellmora_include_folder(${name} ${folder})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
  if(NOT sources)
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${${name}_INCLUDE_ROOT})
    target_link_libraries(${name} INTERFACE ${link_PUBLIC})
    return()
  endif()
  add_library(${name} STATIC ${sources} ${link_UNPARSED_ARGUMENTS})
  target_include_directories(${name} PUBLIC ${${name}_INCLUDE_ROOT})
  target_link_libraries(${name} PUBLIC ${link_PUBLIC} PRIVATE ${link_PRIVATE})
endfunction()
