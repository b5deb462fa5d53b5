# Input filter for doxygen: the headers document a property (or any run of related
# declarations) with one /// comment above its getter, setter and companions, up to the
# next blank line or comment. This filter makes each such run a doxygen member group
# ("///@{" opening the comment, "/*@}*/" after the last declaration), so that (with
# DISTRIBUTE_GROUP_DOC) the comment documents every declaration of the run. Lines are neither added nor removed:
# warnings keep their line numbers.

# Writes the buffered comment and declarations, grouped when there are two or more
# declarations.
function flush(    i) {
    if (declarations >= 2) {
        sub(/\/\/\//, "///@{", held[1])
        held[lines] = held[lines] " /*@}*/"
    }
    for (i = 1; i <= lines; i++)
        print held[i]
    lines = 0
    declarations = 0
}

function hold(line) {
    held[++lines] = line
}

# A /// comment line (not a trailing ///< one).
function doc_line(line) {
    return line ~ /^[ \t]*\/\/\/([^<]|$)/
}

# A whole declaration on one line: it ends with ";" or with a closed inline body, and
# is not a comment, directive, access section or the end of a scope. A declaration
# with a trailing ///< comment of its own is documented already.
function single_declaration(line,    code, opens, closes) {
    code = line
    sub(/^[ \t]+/, "", code)
    if (code == "" || code ~ /^(\/\/|\/\*|\*|#)/ || code ~ /^[A-Za-z_]+( [A-Za-z_]+)?:[ \t]*$/ || code ~ /^}/)
        return 0
    if (code ~ /\/\/\/</)
        return 0
    sub(/[ \t]*\/\/.*$/, "", code)
    opens = gsub(/{/, "{", code)
    closes = gsub(/}/, "}", code)
    return opens == closes && code ~ /[;}]$/
}

{
    if (doc_line($0)) {
        if (declarations > 0)
            flush()
        hold($0)
        next
    }
    if (lines > 0 && single_declaration($0)) {
        hold($0)
        declarations++
        next
    }
    flush()
    print
}

END { flush() }
