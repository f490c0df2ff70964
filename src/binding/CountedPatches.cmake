# Text adjustments of generated code that stop the build when soapcpp2's output changes:
# every adjustment names how often its text must occur over all the files it is applied to,
# and any other count (none included) is a fatal error instead of a silently dropped fix.
# Include it, declare with counted_patch / counted_regex_patch, then apply_counted_patches.
set(counted_patches 0)
# Text that generated code never holds.
set(counted_mark "@kavelin-counted-patch@")

# The generated texts hold semicolons, so each adjustment is kept in numbered variables.
# Functions, not macros: a macro would read the backslashes of its arguments a second time.
function(counted_patch original replacement count)
    math(EXPR n "${counted_patches} + 1")
    set(counted_patches ${n} PARENT_SCOPE)
    set(counted_original_${n} "${original}" PARENT_SCOPE)
    set(counted_replacement_${n} "${replacement}" PARENT_SCOPE)
    set(counted_expected_${n} ${count} PARENT_SCOPE)
    set(counted_regex_${n} FALSE PARENT_SCOPE)
endfunction()

# A regular expression; its replacement may use the groups (\\1 ...).
function(counted_regex_patch pattern replacement count)
    math(EXPR n "${counted_patches} + 1")
    set(counted_patches ${n} PARENT_SCOPE)
    set(counted_original_${n} "${pattern}" PARENT_SCOPE)
    set(counted_replacement_${n} "${replacement}" PARENT_SCOPE)
    set(counted_expected_${n} ${count} PARENT_SCOPE)
    set(counted_regex_${n} TRUE PARENT_SCOPE)
endfunction()

function(apply_counted_patches)
    foreach(n RANGE 1 ${counted_patches})
        set(found_${n} 0)
    endforeach()
    foreach(file IN LISTS ARGN)
        file(READ ${file} code)
        set(changed FALSE)
        foreach(n RANGE 1 ${counted_patches})
            if(counted_regex_${n})
                # Each replacement is marked, counted by its marks, and the marks removed.
                string(REGEX REPLACE "${counted_original_${n}}"
                       "${counted_mark}${counted_replacement_${n}}" marked "${code}")
                string(REPLACE "${counted_mark}" "" code "${marked}")
                string(LENGTH "${marked}" before)
                string(LENGTH "${code}" after)
                string(LENGTH "${counted_mark}" size)
                math(EXPR found "(${before} - ${after}) / ${size}")
            else()
                string(LENGTH "${code}" before)
                string(REPLACE "${counted_original_${n}}" "${counted_replacement_${n}}" patched
                       "${code}")
                string(REPLACE "${counted_original_${n}}" "" stripped "${code}")
                string(LENGTH "${stripped}" after)
                string(LENGTH "${counted_original_${n}}" size)
                math(EXPR found "(${before} - ${after}) / ${size}")
                set(code "${patched}")
            endif()
            if(found GREATER 0)
                set(changed TRUE)
                math(EXPR found_${n} "${found_${n}} + ${found}")
            endif()
        endforeach()
        if(changed)
            file(WRITE ${file} "${code}")
        endif()
    endforeach()
    foreach(n RANGE 1 ${counted_patches})
        if(NOT found_${n} EQUAL counted_expected_${n})
            message(FATAL_ERROR "Generated-code patch found ${found_${n}} times, expected "
                                "${counted_expected_${n}}: ${counted_original_${n}}")
        endif()
    endforeach()
endfunction()
