# Runs the fuzzer for a bounded time on a fresh copy of the seed corpus: the
# corpus it grows and any crash it finds land in the build tree, never in the
# sources.
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
file(COPY ${SEEDS}/ DESTINATION ${SCRATCH}/corpus)
execute_process(
    COMMAND ${FUZZER} -max_total_time=${SECONDS} -print_final_stats=1
        -artifact_prefix=${SCRATCH}/ ${SCRATCH}/corpus
    WORKING_DIRECTORY ${SCRATCH}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${NAME} failed (${result}); the input is in ${SCRATCH}")
endif()
