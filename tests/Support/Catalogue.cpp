#include "Catalogue.h"

#include <QFile>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QXmlStreamReader>

namespace {

// A text as a window shows it: rich text rendered, pictures in it left out, blanks trimmed.
QString asShown(const QString& text)
{
    QString plain = Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
    return plain.remove(QChar::ObjectReplacementCharacter).trimmed();
}

// `text` with each place marker (%1, %n) matching any data.
QRegularExpression pattern(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral(R"(%(\d|n))"));
    QString expression;
    int from = 0;
    for (QRegularExpressionMatchIterator it = marker.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        expression += QRegularExpression::escape(text.mid(from, match.capturedStart() - from)) + ".+";
        from = match.capturedEnd();
    }
    expression += QRegularExpression::escape(text.mid(from));
    return QRegularExpression(
        QRegularExpression::anchoredPattern(expression), QRegularExpression::DotMatchesEverythingOption);
}

} // namespace

Catalogue::Catalogue(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QXmlStreamReader xml(&file);
    QString context;
    QString language;
    bool plural = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("TS")) {
            language = xml.attributes().value("language").toString();
        } else if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            entries.append({ context, {}, {}, false });
            plural = xml.attributes().value("numerus") == QLatin1String("yes");
        } else if (entries.isEmpty()) {
            continue;
        } else if (xml.name() == QLatin1String("source")) {
            entries.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            entries.last().finished = xml.attributes().value("type").isEmpty();
            if (!plural)
                entries.last().translations = QStringList { xml.readElementText() };
        } else if (xml.name() == QLatin1String("numerusform")) {
            entries.last().translations.append(xml.readElementText());
        }
    }
    if (!xml.hasError())
        this->language = language;
}

QList<QRegularExpression> Catalogue::patterns(Side side) const
{
    QList<QRegularExpression> all;
    for (const Entry& entry : entries) {
        const QStringList texts = side == Side::Source ? QStringList { entry.source } : entry.translations;
        for (const QString& text : texts)
            all.append(pattern(asShown(text)));
    }
    return all;
}

bool Catalogue::shows(const QString& shown, Side side) const
{
    for (const QRegularExpression& expression : patterns(side)) {
        if (expression.match(shown).hasMatch())
            return true;
    }
    return false;
}
