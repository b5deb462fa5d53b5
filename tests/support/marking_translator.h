// A translator for tests of the built-in texts: it "translates" every text of the
// library's contexts (vek::...) into a marked form, "[de] Copy", and puts the
// disambiguation into the mark ("[de month, short] May"), so a test sees which texts
// went through Qt's translation system and with what. Texts of other contexts (Qt's
// own) stay untranslated.
#pragma once

#include <QCoreApplication>
#include <QTranslator>

namespace vektest {

class MarkingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int) const override
    {
        if (!QByteArrayView(context).startsWith("vek::"))
            return QString();
        const QString mark = disambiguation && *disambiguation
                                 ? QStringLiteral("[de %1] ").arg(QString::fromUtf8(disambiguation))
                                 : QStringLiteral("[de] ");
        return mark + QString::fromUtf8(sourceText);
    }
    bool isEmpty() const override { return false; }
};

// Installs a MarkingTranslator for its lifetime; the application's LanguageChange events
// are delivered before the constructor and the destructor return.
class ScopedMarkingTranslator {
public:
    ScopedMarkingTranslator()
    {
        QCoreApplication::installTranslator(&FTranslator);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    ~ScopedMarkingTranslator()
    {
        QCoreApplication::removeTranslator(&FTranslator);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    ScopedMarkingTranslator(const ScopedMarkingTranslator&) = delete;
    ScopedMarkingTranslator& operator=(const ScopedMarkingTranslator&) = delete;

private:
    MarkingTranslator FTranslator;
};

} // namespace vektest
