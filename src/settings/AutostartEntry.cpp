#include "settings/AutostartEntry.h"

namespace settings {
namespace {

// Inside a double-quoted Exec argument these four keep their literal meaning
// only behind a backslash.
bool NeedsQuoteEscape(QChar c)
{
    return c == u'"' || c == u'`' || c == u'$' || c == u'\\';
}

// The quoting layer: the argument in double quotes, and '%' doubled because
// a lone one would start a field code such as %f.
QString QuoteArgument(const QString &argument)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (NeedsQuoteEscape(c))
            quoted += u'\\';
        else if (c == u'%')
            quoted += u'%';
        quoted += c;
    }
    quoted += u'"';
    return quoted;
}

// The string-value layer, which a reader undoes before the quoting: every
// backslash doubled, and the control characters a line cannot hold escaped.
QString EscapeStringValue(const QString &value)
{
    QString escaped;
    for (const QChar c : value) {
        if (c == u'\\')
            escaped += QLatin1String("\\\\");
        else if (c == u'\n')
            escaped += QLatin1String("\\n");
        else if (c == u'\r')
            escaped += QLatin1String("\\r");
        else if (c == u'\t')
            escaped += QLatin1String("\\t");
        else
            escaped += c;
    }
    return escaped;
}

} // namespace

QString QuoteExecArgument(const QString &path)
{
    return EscapeStringValue(QuoteArgument(path));
}

QByteArray AutostartDesktopEntry(const QString &executablePath)
{
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=%1\n"
                                         "Exec=%2\n"
                                         "X-GNOME-Autostart-enabled=true\n"
                                         "Terminal=false\n")
                              .arg(AutostartName, QuoteExecArgument(executablePath));
    return entry.toUtf8();
}

} // namespace settings
