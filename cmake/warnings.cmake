# Warning flags applied to every target of the project.
add_library(dvk_warnings INTERFACE)
target_compile_options(dvk_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
if(DVK_WERROR)
  target_compile_options(dvk_warnings INTERFACE -Werror)
endif()

# dvk_add_library(name SOURCES...) : an internal static library of the plug-in.
function(dvk_add_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE dvk_warnings)
endfunction()
