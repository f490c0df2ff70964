# Adjusts the generated serializers where soapcpp2's output differs from what the devices
# expect. Each adjustment must occur exactly as often as it says (CountedPatches.cmake), so a
# change in soapcpp2's output stops the build instead of silently dropping a fix.
# Run as: cmake -DDIR=<generated dir> -DPARTS=<count> -P this file.
include(${CMAKE_CURRENT_LIST_DIR}/CountedPatches.cmake)

# The data-access types' members are unqualified and matched by local name alone: a leading
# colon in the expected tag makes the runtime compare the local names and no namespace, so a
# member that arrives with some prefix is still found. Readers only; the writers keep the
# bare names.
set(member_tag "\"([A-Za-z_][A-Za-z0-9_]*)\"")
counted_regex_patch("(soap_in_[A-Za-z0-9_]+\\(soap, )${member_tag}(, &a->_?(ixa[a-z]*__|x0058ML_USCORETicket_USCOREt::))"
                    "\\1\":\\2\"\\3" 43)
counted_regex_patch("(\\(a->_?ixa[a-z]*__[A-Za-z0-9_]+::[A-Za-z0-9_]+\\)\\.soap_in\\(soap, )${member_tag}"
                    "\\1\":\\2\"" 7)

set(parts "")
foreach(part RANGE 1 ${PARTS})
    list(APPEND parts ${DIR}/soapC_part${part}.cpp)
endforeach()
apply_counted_patches(${parts})
