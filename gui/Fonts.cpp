#include "Fonts.h"

#include "controls/ControlState.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QStringList>

using namespace ctl;

namespace {

// Japanese Gothic faces likely to be installed, proportional ones first: the faces the dialogs
// ask for are proportional.
const char* const kJapaneseGothicFaces[] = {
    "IPAPGothic",         "IPAexGothic", "VL PGothic", "TakaoPGothic", "Noto Sans CJK JP",
    "Source Han Sans JP", "IPAGothic",   "VL Gothic",  "TakaoGothic",
};

// Japanese faces are known to the font database by their English names as well.
const char* const kEnglishFaceNames[][2] = {
    {"ＭＳ Ｐゴシック", "MS PGothic"},
    {"ＭＳ ゴシック", "MS Gothic"},
    {"ＭＳ Ｐ明朝", "MS PMincho"},
    {"ＭＳ 明朝", "MS Mincho"},
};

QString InstalledFamily(const QStringList& families, const QString& face) {
    for (const QString& family : families) {
        if (family.compare(face, Qt::CaseInsensitive) == 0) {
            return family;
        }
    }
    return {};
}

QString JapaneseGothicFamily(const QStringList& families) {
    for (const char* face : kJapaneseGothicFaces) {
        QString family = InstalledFamily(families, QString::fromUtf8(face));
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

// ResolveFontFamily, asked once for each face rather than each time a window opens: it goes
// through the list of every installed family. Forgotten when the installed fonts change, and with
// the application.
QString CachedFontFamily(const QString& face) {
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
    auto found = families.constFind(face);
    if (found == families.cend()) {
        found = families.insert(face, ResolveFontFamily(face));
    }
    return *found;
}

} // namespace

QString ResolveFontFamily(const QString& face) {
    const QStringList families = QFontDatabase::families();
    if (!face.isEmpty()) {
        QString exact = InstalledFamily(families, face);
        for (const auto& names : kEnglishFaceNames) {
            if (exact.isEmpty() && face == QString::fromUtf8(names[0])) {
                exact = InstalledFamily(families, QString::fromUtf8(names[1]));
            }
        }
        if (!exact.isEmpty()) {
            return exact;
        }
    }
    return JapaneseGothicFamily(families);
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
    const QString family = CachedFontFamily(QString::fromUtf8(request.faceName.c_str()));
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
