# soapcpp2 splits the serializers into a number of files that depends on how many types the
# binding has; this joins them, in order, into PARTS files of similar size with fixed names, so
# the build knows its sources before generation runs and compiles them side by side.
# Run as: cmake -DDIR=<generated dir> -DPARTS=<count> -P this file.
file(GLOB pieces ${DIR}/soapC_[0-9][0-9][0-9].cpp)
list(SORT pieces)
set(total 0)
foreach(piece IN LISTS pieces)
    file(SIZE ${piece} size)
    math(EXPR total "${total} + ${size}")
endforeach()

set(part 1)
set(written 0)
set(text "")
foreach(piece IN LISTS pieces)
    file(READ ${piece} content)
    string(APPEND text "${content}")
    file(SIZE ${piece} size)
    math(EXPR written "${written} + ${size}")
    # Close the part once it holds its share of the whole; the last part takes the rest.
    math(EXPR share "${total} * ${part} / ${PARTS}")
    if(part LESS PARTS AND written GREATER_EQUAL share)
        file(WRITE ${DIR}/soapC_part${part}.cpp "${text}")
        set(text "")
        math(EXPR part "${part} + 1")
    endif()
endforeach()
# Parts left without a piece (a binding with very few types) still exist, empty.
while(part LESS_EQUAL PARTS)
    file(WRITE ${DIR}/soapC_part${part}.cpp "${text}")
    set(text "")
    math(EXPR part "${part} + 1")
endwhile()
file(REMOVE ${pieces})
