# Runs one fuzz target for SECONDS over a fresh copy of its seed corpus in WORK/corpus; new
# inputs land in that copy, crash inputs in WORK/ (as crash-*, leak-*, timeout-*, oom-*).
# Fails when the target finds anything.
#   cmake -DFUZZER=<exe> -DCORPUS=<seeds> [-DDICTIONARY=<file>] -DWORK=<folder> -DSECONDS=<n> -P RunFuzzTarget.cmake
foreach(var FUZZER CORPUS WORK SECONDS)
    if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
        message(FATAL_ERROR "RunFuzzTarget.cmake needs -D${var}=...")
    endif()
endforeach()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${CORPUS}/ DESTINATION ${WORK}/corpus)

set(options -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
    -artifact_prefix=${WORK}/)
if(DICTIONARY)
    list(APPEND options -dict=${DICTIONARY})
endif()

execute_process(COMMAND ${FUZZER} ${options} ${WORK}/corpus RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} found a fault (exit ${result}); the input is in ${WORK}")
endif()
