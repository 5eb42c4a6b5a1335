# Makes a game folder whose only scenarios are the two-mission campaign of tests/data: the data
# files are compiled from content/ with that campaign in place of the scenario table, and the
# pictures and sounds are the generated folder's.
# cmake -DCONTENT=... -DCAMPAIGN=... -DGAME=... -DOUT=... -DDATAGEN=... -P short_campaign.cmake
file(REMOVE_RECURSE ${OUT})
file(COPY ${CONTENT}/ DESTINATION ${OUT}/content)
file(REMOVE_RECURSE ${OUT}/content/scenarios)
file(COPY ${CAMPAIGN}/scenarios DESTINATION ${OUT}/content)
file(MAKE_DIRECTORY ${OUT}/game)
foreach(folder BMP EFF)
    file(CREATE_LINK ${GAME}/${folder} ${OUT}/game/${folder} SYMBOLIC)
endforeach()
execute_process(COMMAND ${DATAGEN} --content ${OUT}/content --out ${OUT}/game RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the short campaign's game folder could not be made")
endif()
