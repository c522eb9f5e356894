// The dialog of "Siguiente paso": the rating of the game on its first line,
// the step's text on sand below (read-only, wrapped, scrolled from the
// keyboard as the help text is), its buttons in a row at the foot. The
// outlines of the step go onto the board behind it, and follow the form
// after every press ("Más" shows more of them, "Colocar" takes them away).
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "windows/accesible.h"
#include "windows/contornos.h"
#include "windows/dialogo.h"
#include "windows/fuentes.h"
#include "windows/arte.h"
#include "windows/pulsable.h"

namespace novenario::vista {

namespace {

constexpr int AnchoBoton = 111, AltoBoton = 26, Margen = 12;

QString Texto(const std::vector<std::string>& lineas) {
    QStringList l;
    for (const std::string& s : lineas) l << QString::fromStdString(s);
    return l.join(QLatin1Char('\n'));
}

}  // namespace

void DialogoModal::MontarSiguiente(QWidget* principal) {
    const int w = width(), h = height();
    mensaje_ = new QLabel(QString::fromStdString(forma_.Mensaje), this);
    mensaje_->setObjectName(QStringLiteral("PMensaje"));
    mensaje_->setFont(Fuente(Familia::SansSerif, 13, true));
    mensaje_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    mensaje_->setGeometry(Margen, 8, w - 2 * Margen, 24);

    const int arriba_botones = h - AltoBoton - 12;
    auto* texto = texto_ = new QPlainTextEdit(this);
    texto->setObjectName(QStringLiteral("TextoPaso"));
    texto->setGeometry(Margen, 36, w - 2 * Margen, arriba_botones - 36 - 10);
    texto->setReadOnly(true);
    texto->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    texto->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    texto->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    texto->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    texto->setFont(Fuente(Familia::SansSerif, 13));
    texto->setFocusPolicy(Qt::ClickFocus);
    QPalette pal = texto->palette();
    pal.setColor(QPalette::Base, AColor(Arena));
    pal.setColor(QPalette::Text, Qt::black);
    texto->setPalette(pal);
    texto->setPlainText(Texto(forma_.Lineas));
    voz_ = (new LineaAvisos(this))->Voz();

    const int n = static_cast<int>(forma_.Botones.size());
    const int hueco = 10;
    const int ancho = n * AnchoBoton + std::max(0, n - 1) * hueco;
    for (int i = 0; i < n; ++i)
        CrearBoton(static_cast<std::size_t>(i), QPoint((w - ancho) / 2 + i * (AnchoBoton + hueco), arriba_botones));

    if (principal) capa_ = principal->findChild<CapaContornos*>();
}

void DialogoModal::Refrescar() {
    if (forma_.tipo != FormaModal::Tipo::Siguiente) return;
    if (capa_) capa_->Poner(forma_.Marcas);
    const QString nuevo = Texto(forma_.Lineas);
    bool cambio = false;
    if (texto_ && texto_->toPlainText() != nuevo) {
        texto_->setPlainText(nuevo);
        texto_->moveCursor(QTextCursor::Start);
        cambio = true;
    }
    if (mensaje_ && mensaje_->text() != QString::fromStdString(forma_.Mensaje)) {
        mensaje_->setText(QString::fromStdString(forma_.Mensaje));
        cambio = true;
    }
    // The button Enter presses has the focus, as when the dialog opened.
    const std::size_t predeterminado = forma_.Predeterminado();
    if (predeterminado < botones_.size() && isVisible()) {
        ControlVista* v = botones_[predeterminado].vImagen;
        v->setFocusPolicy(Qt::StrongFocus);
        if (!v->hasFocus()) v->setFocus(Qt::OtherFocusReason);
    }
    // A screen reader hears the new text whole, as the reasoning "Más"
    // shows. (The text box sends its own change events.)
    if (cambio && isVisible()) {
        Describir(this, Lectura());
        if (voz_) voz_->Decir(nuevo);
    }
}

}  // namespace novenario::vista
