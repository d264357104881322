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

// The toolkit's font database, as the face resolution asks it.
class CQtFonts final : public IInstalledFonts {
public:
    CQtFonts() : m_families(QFontDatabase::families()) {}

    bool IsInstalled(const std::string& face) const override {
        return !Installed(QString::fromStdString(face)).isEmpty();
    }
    bool HasBoldStyle(const std::string& face) const override {
        const QString family = Installed(QString::fromStdString(face));
        const QStringList styles = QFontDatabase::styles(family);
        return std::any_of(styles.begin(), styles.end(), [&family](const QString& style) {
            return QFontDatabase::weight(family, style) >= QFont::DemiBold;
        });
    }

    // The family as the database spells it; empty when it is not installed.
    QString Installed(const QString& face) const {
        for (const QString& family : m_families) {
            if (family.compare(face, Qt::CaseInsensitive) == 0) {
                return family;
            }
        }
        return {};
    }

    // Any other Japanese Gothic family, where none of the stand-ins is installed.
    QString AnyJapaneseGothic() const {
        for (const QString& family : m_families) {
            const bool bGothic = family.contains(QLatin1String("Gothic"), Qt::CaseInsensitive) ||
                                 family.contains(QLatin1String("Sans"), Qt::CaseInsensitive);
            if (bGothic &&
                QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese)) {
                return family;
            }
        }
        return {};
    }

private:
    QStringList m_families;
};

// The family for face, asked once for each face rather than each time a window opens: it goes
// through the list of every installed family. Forgotten when the installed fonts change, and
// with the application.
QString CachedFontFamily(const QString& face, bool bBold) {
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
        found = families.insert(key, ResolveFontFamily(face, bBold));
    }
    return *found;
}

} // namespace

QString ResolveFontFamily(const QString& face, bool bBold) {
    const CQtFonts fonts;
    const std::string resolved = ResolveFace(face.toStdString(), bBold, fonts);
    return resolved.empty() ? fonts.AnyJapaneseGothic()
                            : fonts.Installed(QString::fromStdString(resolved));
}

QFont DialogFont(const QString& face, int nPointSize) {
    QFont font = QApplication::font();
    const QString family = CachedFontFamily(face, false);
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
