#pragma once

#include "controls/DialogLayout.h"

#include <QFont>
#include <QString>

namespace ctl {
struct CFontRequest;
}

// Fonts named by the dialogs, matched to what this system has installed: the face itself where it
// exists, else the closest Japanese Gothic face (for bold text, a face with a real bold style),
// else the desktop's own user-interface font.

// The family to use for face (see ctl::ResolveFace), for bold text where bBold; empty when only
// the desktop's default font is left.
QString ResolveFontFamily(const QString& face, bool bBold = false);

// The font of a dialog: face at nPointSize points.
QFont DialogFont(const QString& face, int nPointSize);

// A font as a dialog's control asks for it: the cell height in pixels, the weight and the face.
QFont ControlFont(const ctl::CFontRequest& request, const QFont& dialogFont);

// font, the dialog's, in bold: in a face with a bold style of its own where face, the dialog's,
// resolves to one without.
QFont BoldFont(const QFont& font, const QString& face);

// The dialog base units of a dialog written in font.
ctl::CDialogBaseUnits BaseUnitsOf(const QFont& font);
