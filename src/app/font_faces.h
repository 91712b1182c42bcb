// font_faces.h — the face names font boxes offer: every installed family
// and the Windows faces documents name, which the font engine maps onto
// installed stand-ins.
#pragma once

#include <QStringList>

namespace vendaro {

// Sorted without regard to case, each name once; read once per run.
const QStringList& documentFontFaces();

}  // namespace vendaro
