#include "Fonts.h"

#include "controls/ControlState.h"
#include "controls/FontFaces.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>

using namespace ctl;

namespace {

// The toolkit's font database, as the face resolution asks it.
class CQtFonts final : public IInstalledFonts {
public:
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
    std::vector<std::string> JapaneseFaces() const override {
        std::vector<std::string> faces;
        for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
            faces.push_back(family.toStdString());
        }
        return faces;
    }

    // The family as the database spells it; empty when it is not installed.
    static QString Installed(const QString& face) {
        for (const QString& family : QFontDatabase::families()) {
            if (family.compare(face, Qt::CaseInsensitive) == 0) {
                return family;
            }
        }
        return {};
    }
};

// The family for face, asked once for each face rather than each time a window opens; forgotten
// when the installed fonts change.
QString CachedFontFamily(const QString& face, bool bBold) {
    static const CQtFonts fonts;
    static CFaceResolver resolver(fonts);
    static bool bWatching = false;
    if (!bWatching && qApp != nullptr) {
        QObject::connect(qApp, &QGuiApplication::fontDatabaseChanged, [] { resolver.Forget(); });
        qAddPostRoutine([] {
            resolver.Forget();
            bWatching = false;
        });
        bWatching = true;
    }
    return CQtFonts::Installed(QString::fromStdString(resolver.Resolve(face.toStdString(), bBold)));
}

} // namespace

QString ResolveFontFamily(const QString& face, bool bBold) {
    return CQtFonts::Installed(
        QString::fromStdString(ResolveFace(face.toStdString(), bBold, CQtFonts())));
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

QFont BoldFont(const QFont& font, const QString& face) {
    QFont bold = font;
    if (const QString family = CachedFontFamily(face, true); !family.isEmpty()) {
        bold.setFamilies({family});
    }
    bold.setBold(true);
    return bold;
}

CDialogBaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    return GetDialogBaseUnits(metrics.horizontalAdvance(QLatin1String(kBaseUnitLetters)),
                              metrics.height());
}
