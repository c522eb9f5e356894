#include "windows/resaltada.h"

#include <QEnterEvent>
#include <QMouseEvent>

#include "windows/arte.h"

namespace novenario::vista {

EstilosFuente EstilosDe(const QFont& f) {
    EstilosFuente e;
    e.setFlag(EstiloFuente::Negrita, f.bold());
    e.setFlag(EstiloFuente::Cursiva, f.italic());
    e.setFlag(EstiloFuente::Subrayada, f.underline());
    e.setFlag(EstiloFuente::Tachada, f.strikeOut());
    return e;
}

THilightLabel::THilightLabel(QWidget* padre) : QLabel(padre) {}

THilightLabel::THilightLabel(const QString& texto, QWidget* padre) : QLabel(texto, padre) {}

void THilightLabel::enterEvent(QEnterEvent* e) {
    QLabel::enterEvent(e);
    Encender();
}

void THilightLabel::leaveEvent(QEvent* e) {
    QLabel::leaveEvent(e);
    Apagar();
}

// A second entry without an exit in between must not take the highlight
// for the normal look, or the exit would keep the label lit.
void THilightLabel::Encender() {
    if (encima_) return;
    encima_ = true;

    const QPalette::ColorRole rol = foregroundRole();
    normal_.paletaPropia = testAttribute(Qt::WA_SetPalette);
    for (int g = 0; g < QPalette::NColorGroups; ++g)
        normal_.texto[g] = palette().brush(static_cast<QPalette::ColorGroup>(g), rol);
    const QFont f = font();
    normal_.fuentePropia = testAttribute(Qt::WA_SetFont);
    normal_.peso = f.weight();
    normal_.cursiva = f.italic();
    normal_.subrayada = f.underline();
    normal_.tachada = f.strikeOut();
    normal_.cursorPropio = testAttribute(Qt::WA_SetCursor);
    normal_.cursor = cursor();

    QPalette pal = palette();
    pal.setColor(rol, AColor(hiLightColor_));
    setPalette(pal);
    QFont luz = f;
    luz.setWeight(hiLightStyle_.testFlag(EstiloFuente::Negrita) ? QFont::Bold : QFont::Normal);
    luz.setItalic(hiLightStyle_.testFlag(EstiloFuente::Cursiva));
    luz.setUnderline(hiLightStyle_.testFlag(EstiloFuente::Subrayada));
    luz.setStrikeOut(hiLightStyle_.testFlag(EstiloFuente::Tachada));
    setFont(luz);
    setCursor(hiLightCursor_);
    update();
    emit OnMouseEnter();
}

// A label that inherited its palette or font goes back to inheriting them,
// so a later change of its parent reaches it as before.
void THilightLabel::Apagar() {
    if (!encima_) return;
    encima_ = false;

    if (normal_.paletaPropia) {
        QPalette pal = palette();
        for (int g = 0; g < QPalette::NColorGroups; ++g)
            pal.setBrush(static_cast<QPalette::ColorGroup>(g), foregroundRole(), normal_.texto[g]);
        setPalette(pal);
    } else {
        setPalette(QPalette());
    }
    if (normal_.fuentePropia) {
        QFont f = font();
        f.setWeight(static_cast<QFont::Weight>(normal_.peso));
        f.setItalic(normal_.cursiva);
        f.setUnderline(normal_.subrayada);
        f.setStrikeOut(normal_.tachada);
        setFont(f);
    } else {
        setFont(QFont());
    }
    if (normal_.cursorPropio) setCursor(normal_.cursor);
    else unsetCursor();
    update();
    emit OnMouseLeave();
}

void THilightLabel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) pulsada_ = true;
    QLabel::mousePressEvent(e);
}

void THilightLabel::mouseReleaseEvent(QMouseEvent* e) {
    const bool clic = e->button() == Qt::LeftButton && pulsada_ && rect().contains(e->position().toPoint());
    if (e->button() == Qt::LeftButton) pulsada_ = false;
    QLabel::mouseReleaseEvent(e);
    if (clic) emit clicked();
}

}  // namespace novenario::vista
