#include "Fonts.h"

#include "controls/ControlState.h"
#include "controls/FontFaces.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QStringList>

#include <algorithm>

using namespace ctl;

namespace {

QString InstalledFamily(const QStringList& families, const QString& face) {
    for (const QString& family : families) {
        if (family.compare(face, Qt::CaseInsensitive) == 0) {
            return family;
        }
    }
    return {};
}

bool HasBoldStyle(const QString& family) {
    const QStringList styles = QFontDatabase::styles(family);
    return std::any_of(styles.begin(), styles.end(), [&family](const QString& style) {
        return QFontDatabase::weight(family, style) >= QFont::DemiBold;
    });
}

QString JapaneseGothicFamily(const QStringList& families) {
    for (const std::string& face : GetStandInFaces()) {
        QString family = InstalledFamily(families, QString::fromStdString(face));
        if (!family.isEmpty()) {
            return family;
        }
    }
    for (const QString& family : families) {
        const bool bGothic = family.contains(QLatin1String("Gothic"), Qt::CaseInsensitive) ||
                             family.contains(QLatin1String("Sans"), Qt::CaseInsensitive);
        if (bGothic && QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese)) {
            return family;
        }
    }
    return {};
}

// The installed family named face, by its own or its English name; empty when there is none.
QString ExactFamily(const QStringList& families, const QString& face) {
    for (const std::string& name : GetFaceNames(face.toStdString())) {
        QString exact = InstalledFamily(families, QString::fromStdString(name));
        if (!exact.isEmpty()) {
            return exact;
        }
    }
    return {};
}

// ResolveFontFamily or ResolveBoldFontFamily, asked once for each face rather than each time a
// window opens: they go through the list of every installed family. Forgotten when the installed
// fonts change, and with the application.
QString CachedFontFamily(const QString& face, bool bBold = false) {
    static QHash<QString, QString> families;
    static bool bWatching = false;
    if (!bWatching && qApp != nullptr) {
        QObject::connect(qApp, &QGuiApplication::fontDatabaseChanged, [] { families.clear(); });
        qAddPostRoutine([] {
            families.clear();
            bWatching = false;
        });
        bWatching = true;
    }
    const QString key = bBold ? QLatin1String("bold:") + face : face;
    auto found = families.constFind(key);
    if (found == families.cend()) {
        found = families.insert(key, bBold ? ResolveBoldFontFamily(face) : ResolveFontFamily(face));
    }
    return *found;
}

} // namespace

QString ResolveFontFamily(const QString& face) {
    const QStringList families = QFontDatabase::families();
    QString exact = ExactFamily(families, face);
    return !exact.isEmpty() ? exact : JapaneseGothicFamily(families);
}

QString ResolveBoldFontFamily(const QString& face) {
    const QStringList families = QFontDatabase::families();
    if (QString exact = ExactFamily(families, face); !exact.isEmpty()) {
        return exact;
    }
    QString fallback = JapaneseGothicFamily(families);
    if (!fallback.isEmpty() && HasBoldStyle(fallback)) {
        return fallback;
    }
    for (const std::string& boldFace : GetBoldFallbackFaces()) {
        QString family = InstalledFamily(families, QString::fromStdString(boldFace));
        if (!family.isEmpty() && HasBoldStyle(family)) {
            return family;
        }
    }
    return fallback;
}

QFont DialogFont(const QString& face, int nPointSize) {
    QFont font = QApplication::font();
    const QString family = CachedFontFamily(face);
    if (!family.isEmpty()) {
        font.setFamilies({family});
    }
    font.setPointSize(nPointSize);
    font.setBold(false);
    font.setItalic(false);
    return font;
}

QFont ControlFont(const CFontRequest& request, const QFont& dialogFont) {
    QFont font = dialogFont;
    const QString family = CachedFontFamily(QString::fromUtf8(request.faceName.c_str()),
                                            request.nWeight >= QFont::DemiBold);
    if (!family.isEmpty()) {
        font.setFamilies({family});
    }
    if (request.nWeight > 0) {
        font.setWeight(static_cast<QFont::Weight>(qBound(1, request.nWeight, 1000)));
    }
    if (request.nHeight > 0) {
        // The height is that of the whole character cell, ascent and descent together: take the
        // largest size whose cell fits in it.
        int nPixelSize = request.nHeight;
        font.setPixelSize(nPixelSize);
        while (nPixelSize > 1 && QFontMetricsF(font).height() > request.nHeight + 0.01) {
            font.setPixelSize(--nPixelSize);
        }
    } else if (request.nHeight < 0) {
        font.setPixelSize(-request.nHeight);
    }
    return font;
}

CDialogBaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    return GetDialogBaseUnits(metrics.horizontalAdvance(QLatin1String(kBaseUnitLetters)),
                              metrics.height());
}
