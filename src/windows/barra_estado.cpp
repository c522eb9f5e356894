#include "windows/barra_estado.h"

#include <QPainter>

#include "windows/arte.h"
#include "windows/fuentes.h"
#include "windows/pulsable.h"

namespace novenario::vista {

BarraEstado::BarraEstado(std::vector<int> anchos, QWidget* padre) : QWidget(padre), anchos_(std::move(anchos)) {
    for (std::size_t i = 0; i < anchos_.size(); ++i) textos_ << QString();
    setAccessibleName(QStringLiteral("Barra de estado"));
}

void BarraEstado::PonerTexto(std::size_t panel, const std::string& texto) {
    PonerTexto(panel, QString::fromStdString(texto));
}

void BarraEstado::PonerTexto(std::size_t panel, const QString& t) {
    if (panel >= anchos_.size()) return;
    if (textos_[static_cast<qsizetype>(panel)] == t) return;
    textos_[static_cast<qsizetype>(panel)] = t;
    update();
}

QString BarraEstado::Texto(std::size_t panel) const {
    return panel < anchos_.size() ? textos_[static_cast<qsizetype>(panel)] : QString();
}

void BarraEstado::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), AColor(Plata));
    p.setFont(Fuente(Familia::SansSerif, 11));
    int x = 0;
    for (std::size_t i = 0; i < anchos_.size(); ++i) {
        const QRect caja(x, 2, anchos_[i] - 2, height() - 2);
        DibujarRelieve(p, caja, false);
        p.setPen(Qt::black);
        p.drawText(caja.adjusted(2, 0, -2, 0), Qt::AlignCenter | Qt::TextSingleLine,
                   textos_[static_cast<qsizetype>(i)]);
        x += anchos_[i];
    }
}

}  // namespace novenario::vista
