#include "keywords.h"

#include <QSet>

namespace ZARN {

namespace {

// IEEE 1364-2005, annex B.
const char *const verilog2005[] = {
    "always", "and", "assign", "automatic", "begin", "buf", "bufif0", "bufif1", "case", "casex", "casez", "cell", "cmos",
    "config", "deassign", "default", "defparam", "design", "disable", "edge", "else", "end", "endcase", "endconfig",
    "endfunction", "endgenerate", "endmodule", "endprimitive", "endspecify", "endtable", "endtask", "event", "for", "force",
    "forever", "fork", "function", "generate", "genvar", "highz0", "highz1", "if", "ifnone", "incdir", "include", "initial",
    "inout", "input", "instance", "integer", "join", "large", "liblist", "library", "localparam", "macromodule", "medium",
    "module", "nand", "negedge", "nmos", "nor", "noshowcancelled", "not", "notif0", "notif1", "or", "output", "parameter",
    "pmos", "posedge", "primitive", "pull0", "pull1", "pulldown", "pullup", "pulsestyle_ondetect", "pulsestyle_onevent",
    "rcmos", "real", "realtime", "reg", "release", "repeat", "rnmos", "rpmos", "rtran", "rtranif0", "rtranif1", "scalared",
    "showcancelled", "signed", "small", "specify", "specparam", "strong0", "strong1", "supply0", "supply1", "table", "task",
    "time", "tran", "tranif0", "tranif1", "tri", "tri0", "tri1", "triand", "trior", "trireg", "unsigned", "use", "uwire",
    "vectored", "wait", "wand", "weak0", "weak1", "while", "wire", "wor", "xnor", "xor",
};

// IEEE 1800-2017, annex B: the keywords it adds to those above.
const char *const systemVerilog2017[] = {
    "accept_on", "alias", "always_comb", "always_ff", "always_latch", "assert", "assume", "before", "bind", "bins", "binsof",
    "bit", "break", "byte", "chandle", "checker", "class", "clocking", "const", "constraint", "context", "continue", "cover",
    "covergroup", "coverpoint", "cross", "dist", "do", "endchecker", "endclass", "endclocking", "endgroup", "endinterface",
    "endpackage", "endprogram", "endproperty", "endsequence", "enum", "eventually", "expect", "export", "extends", "extern",
    "final", "first_match", "foreach", "forkjoin", "global", "iff", "ignore_bins", "illegal_bins", "implements", "implies",
    "import", "inside", "int", "interconnect", "interface", "intersect", "join_any", "join_none", "let", "local", "logic",
    "longint", "matches", "modport", "nettype", "new", "nexttime", "null", "package", "packed", "priority", "program",
    "property", "protected", "pure", "rand", "randc", "randcase", "randsequence", "ref", "reject_on", "restrict", "return",
    "s_always", "s_eventually", "s_nexttime", "s_until", "s_until_with", "sequence", "shortint", "shortreal", "soft", "solve",
    "static", "string", "strong", "super", "sync_accept_on", "sync_reject_on", "tagged", "this", "throughout", "timeprecision",
    "timeunit", "type", "typedef", "union", "unique", "unique0", "until", "until_with", "untyped", "var", "virtual", "void",
    "wait_order", "weak", "wildcard", "with", "within",
};

QSet<QString> keywordSet()
{
    QSet<QString> keywords;
    for (const char *keyword : verilog2005)
        keywords.insert(QLatin1String(keyword));
    for (const char *keyword : systemVerilog2017)
        keywords.insert(QLatin1String(keyword));
    return keywords;
}

} // namespace

bool isVerilogKeyword(const QString &name)
{
    static const QSet<QString> keywords = keywordSet();
    return keywords.contains(name);
}

} // namespace ZARN
