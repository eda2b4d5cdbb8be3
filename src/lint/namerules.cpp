#include "namerules.h"

#include "keywords.h"

#include "generate/escapeidentifier.h"

namespace ZARN {

namespace {

NameProblem problem(LintCode code, const QString &message)
{
    return {true, code, message};
}

// An escaped identifier carries printable ASCII but no blank.  Yosys refuses
// the other control characters, but the common tools take DEL and other
// Unicode characters, so those only warn.
NameProblem characterProblem(const QString &body)
{
    NameProblem unusual;
    for (const QChar c : body) {
        const ushort u = c.unicode();
        if (u == ' ' || u == '\t' || u == '\n' || u == '\r')
            return problem(LintCode::NetWhitespace, QStringLiteral("the name holds white space, which no Verilog identifier can carry; remove it from the name"));
        if (u < 0x20)
            return problem(LintCode::NetControl, QStringLiteral("the name holds the control character 0x%1, which no Verilog identifier can carry; remove it")
                                                     .arg(u, 2, 16, QLatin1Char('0')));
        if (u == 0x7f && !unusual.found)
            unusual = problem(LintCode::NetNonPrintable,
                              QStringLiteral("the name holds the delete character 0x7f: Icarus, Verilator and Yosys take it, but the Verilog "
                                             "standard allows only printable ASCII in escaped identifiers, and other tools may refuse it"));
        if (u > 0x7f && !unusual.found)
            unusual = problem(LintCode::NetNonAscii, QStringLiteral("the name holds the non-ASCII character \"%1\": Icarus, Verilator and Yosys take it, "
                                                                    "but the Verilog standard allows only ASCII in identifiers, and other tools "
                                                                    "may refuse it")
                                                         .arg(c));
    }
    return unusual;
}

} // namespace

NameProblem netNameProblem(const QString &name)
{
    if (name.isEmpty())
        return problem(LintCode::NetEmpty, QStringLiteral("the net name is empty; name the net, or remove the Signal"));
    if (name.startsWith(QLatin1Char('\\'))) {
        if (name.size() < 3 || !name.endsWith(QLatin1Char(' ')))
            return problem(LintCode::NetEscapeIncomplete, QStringLiteral("the name begins with a backslash but is no whole escaped identifier, "
                                                                         "which the top module needs as it stands: end it with one blank"));
        return characterProblem(name.mid(1, name.size() - 2));
    }
    if (needsEscape(name))
        return characterProblem(name);
    const QString escaped = QLatin1Char('\\') + name + QLatin1Char(' ');
    if (name.at(0).isDigit())
        return problem(LintCode::NetLeadingDigit, QStringLiteral("the name begins with a digit, which a Verilog identifier cannot; "
                                                                 "rename the net, or write it escaped (\"%1\")")
                                                      .arg(escaped));
    if (name.at(0) == QLatin1Char('$'))
        return problem(LintCode::NetLeadingDollar, QStringLiteral("the name begins with \"$\", which in Verilog names a system task; "
                                                                  "rename the net, or write it escaped (\"%1\")")
                                                       .arg(escaped));
    if (isVerilogKeyword(name))
        return problem(LintCode::NetKeyword, QStringLiteral("the name is a Verilog keyword; rename the net, or write it escaped (\"%1\")").arg(escaped));
    return {};
}

} // namespace ZARN
