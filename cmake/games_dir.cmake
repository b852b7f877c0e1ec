# Run by cpack between installing into its staging folder and packing:
# usr/bin becomes usr/games, where Debian keeps games.
file(GLOB_RECURSE quillo_programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*/bin/quillotaire")
if(NOT quillo_programs)
  message(FATAL_ERROR "no bin/quillotaire under ${CPACK_TEMPORARY_DIRECTORY}")
endif()
foreach(program IN LISTS quillo_programs)
  get_filename_component(bin "${program}" DIRECTORY)
  get_filename_component(usr "${bin}" DIRECTORY)
  file(RENAME "${bin}" "${usr}/games")
endforeach()
