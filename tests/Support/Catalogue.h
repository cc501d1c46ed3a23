#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// A translation catalogue (.ts) as lupdate writes it: what the sources say and what the
// translator made of it.
class Catalogue {
public:
    struct Entry {
        QString context;
        QString source;
        // One text, or one per plural form.
        QStringList translations;
        // Neither unfinished, nor kept for a text the sources no longer have.
        bool finished = false;
    };

    // Empty (and not valid) when the file cannot be read or is no catalogue.
    explicit Catalogue(const QString& path);

    bool isValid() const { return !language.isEmpty(); }

    QString language;
    QList<Entry> entries;

    enum class Side { Source, Translation };
    // Whether `shown`, a text as the window shows it (markup rendered, blanks trimmed), is one of
    // the catalogue's texts on that side, each %1…%9 and %n standing for any data.
    bool shows(const QString& shown, Side side) const;

private:
    QList<QRegularExpression> patterns(Side side) const;
};
