# Checks the export and import tables of a gauger.dll:
#   cmake -DDLL=gauger.dll -DOBJDUMP=<objdump> -DNM=<nm> -DSTDCALL=ON|OFF -P check_exports.cmake
# The DLL must export exactly the seven functions, undecorated, at ordinals 1 to 7, and
# import from KERNEL32 and the C runtime only. Each export must lead to the function of
# its name: with STDCALL to the decorated symbol _name@N, N being the bytes of arguments
# that the function removes from the stack; otherwise to the plain symbol name.
cmake_minimum_required(VERSION 3.22)

# name, ordinal, bytes of arguments
set(expected_exports
    getMajorVersion 1 4
    getMinorVersion 2 4
    compareStrings 3 8
    compareVersions 4 8
    direxist 5 4
    fileexist 6 4
    GetTime 7 0)
set(runtime_regex "^(kernel32|msvcrt|ucrtbase|api-ms-win-crt-[a-z0-9-]+)\\.dll$")

set(problems "")
macro(problem text)
  list(APPEND problems "${text}")
endmacro()

function(run_tool out)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE output ERROR_VARIABLE errors
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${status}): ${errors}")
  endif()
  set(${out} "${output}" PARENT_SCOPE)
endfunction()

foreach(variable DLL OBJDUMP NM STDCALL)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "check_exports.cmake needs -D${variable}=...")
  endif()
endforeach()
run_tool(headers ${OBJDUMP} -p ${DLL})
run_tool(symbols ${NM} ${DLL})

# "ImageBase 6c480000": symbol addresses are the image base plus the export's RVA.
string(REGEX MATCH "\nImageBase[ \t]+([0-9a-fA-F]+)" _ "${headers}")
set(image_base "0x${CMAKE_MATCH_1}")

# Export Address Table lines "[   0] +base[   1] 1520 Export RVA": index, ordinal, RVA.
string(REGEX MATCHALL "\\[ *[0-9]+\\] \\+base\\[ *[0-9]+\\] +[0-9a-fA-F]+ Export RVA" address_lines
             "${headers}")
foreach(line IN LISTS address_lines)
  string(REGEX MATCH "^\\[ *([0-9]+)\\] \\+base\\[ *([0-9]+)\\] +([0-9a-fA-F]+)" _ "${line}")
  set(ordinal_at_${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
  set(rva_at_${CMAKE_MATCH_1} ${CMAKE_MATCH_3})
endforeach()

# Name table lines "[   6] GetTime", after the "[Ordinal/Name Pointer] Table" heading;
# the number indexes the Export Address Table.
string(FIND "${headers}" "[Ordinal/Name Pointer] Table" names_start)
if(names_start LESS 0)
  message(FATAL_ERROR "${DLL} has no export table\n${headers}")
endif()
string(SUBSTRING "${headers}" ${names_start} -1 names_text)
string(REGEX MATCH "^[^\n]*\n(\t\\[ *[0-9]+\\] [^\n]+\n)*" names_text "${names_text}")
string(REGEX MATCHALL "\\[ *[0-9]+\\] [^\n]+" name_lines "${names_text}")
set(exported "")
foreach(line IN LISTS name_lines)
  string(REGEX MATCH "^\\[ *([0-9]+)\\] (.+)$" _ "${line}")
  set(name "${CMAKE_MATCH_2}")
  list(APPEND exported "${name}")
  set(export_ordinal_${name} "${ordinal_at_${CMAKE_MATCH_1}}")
  set(export_rva_${name} "${rva_at_${CMAKE_MATCH_1}}")
endforeach()

list(LENGTH address_lines address_count)
if(NOT address_count EQUAL 7)
  problem("${address_count} entries in the export address table, not 7")
endif()

# Function symbols of the DLL's own symbol table, by address.
string(REGEX MATCHALL "[0-9a-fA-F]+ T [^\n]+" symbol_lines "${symbols}")
foreach(line IN LISTS symbol_lines)
  string(REGEX MATCH "^([0-9a-fA-F]+) T (.+)$" _ "${line}")
  math(EXPR address "0x${CMAKE_MATCH_1}" OUTPUT_FORMAT HEXADECIMAL)
  list(APPEND symbols_at_${address} "${CMAKE_MATCH_2}")
endforeach()

set(table "")
set(expected_names "")
while(expected_exports)
  list(POP_FRONT expected_exports name ordinal bytes)
  list(APPEND expected_names ${name})
  if(NOT name IN_LIST exported)
    problem("missing export ${name}")
    continue()
  endif()
  if(NOT export_ordinal_${name} EQUAL ordinal)
    problem("export ${name} at ordinal ${export_ordinal_${name}}, not ${ordinal}")
  endif()
  if(STDCALL)
    set(symbol "_${name}@${bytes}")
  else()
    set(symbol "${name}")
  endif()
  math(EXPR address "${image_base} + 0x${export_rva_${name}}" OUTPUT_FORMAT HEXADECIMAL)
  if(NOT symbol IN_LIST symbols_at_${address})
    problem("export ${name} leads to '${symbols_at_${address}}' at ${address}, not ${symbol}")
  endif()
  string(APPEND table "  ${export_ordinal_${name}}  ${name} -> ${symbols_at_${address}}\n")
endwhile()
foreach(name IN LISTS exported)
  if(NOT name IN_LIST expected_names)
    problem("unexpected export ${name}")
  endif()
endforeach()

# Imports: "DLL Name: KERNEL32.dll" lines.
string(REGEX MATCHALL "DLL Name: [^\n]+" import_lines "${headers}")
set(imports "")
foreach(line IN LISTS import_lines)
  string(REGEX REPLACE "^DLL Name: " "" library "${line}")
  list(APPEND imports "${library}")
  string(TOLOWER "${library}" lower)
  if(NOT lower MATCHES "${runtime_regex}")
    problem("imports from ${library}")
  endif()
endforeach()

if(problems)
  list(JOIN problems "\n  " listing)
  message(FATAL_ERROR "${DLL}:\n  ${listing}")
endif()
message("${DLL}: exports\n${table}imports ${imports}")
