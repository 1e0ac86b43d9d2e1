# embed_byte_array(TARGET SYMBOL FILE): links FILE into TARGET as a constant byte array in the
# program's array layout (dimension count 1, element count, then the bytes), named SYMBOL with
# C linkage. The bytes are included by the assembler, so no large generated source is written.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  set(EMBED_SYMBOL_PREFIX "_")
else()
  set(EMBED_SYMBOL_PREFIX "")
endif()

function(embed_byte_array target symbol file)
  set(EMBED_SYMBOL "${EMBED_SYMBOL_PREFIX}${symbol}")
  set(EMBED_FILE "${file}")
  set(out "${CMAKE_CURRENT_BINARY_DIR}/embedded/${symbol}.S")
  configure_file("${PROJECT_SOURCE_DIR}/cmake/byte_array.S.in" "${out}" @ONLY)
  set_source_files_properties("${out}" PROPERTIES OBJECT_DEPENDS "${file}")
  target_sources(${target} PRIVATE "${out}")
endfunction()
