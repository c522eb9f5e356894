#include "ayudas.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QPointer>
#include <QTimer>
#include <stdexcept>

namespace novenario::pruebas {

Vigia::Vigia(std::function<QWidget*()> buscar, std::function<void(QWidget&)> accion, bool todos)
    : timer_(new QTimer), veces_(std::make_shared<int>(0)) {
    auto reloj = std::make_shared<QElapsedTimer>();
    auto visto = std::make_shared<QPointer<QWidget>>();
    reloj->start();
    QTimer* t = timer_;
    auto veces = veces_;
    QObject::connect(t, &QTimer::timeout, t, [t, buscar, accion, veces, reloj, visto, todos] {
        QWidget* d = buscar();
        if (d && d->isVisible() && d != visto->data()) {
            *visto = d;
            if (!todos) t->stop();
            ++*veces;
            accion(*d);
        } else if (!todos && reloj->elapsed() > 5000) {
            t->stop();
        }
    });
    t->start(5);
}

Vigia::~Vigia() { delete timer_; }

std::unique_ptr<Vigia> AlAparecerDialogo(std::function<void(vista::DialogoModal&)> accion, bool todos) {
    return std::make_unique<Vigia>([] { return static_cast<QWidget*>(vista::DialogoModal::Abierto()); },
                                   [accion](QWidget& w) { accion(static_cast<vista::DialogoModal&>(w)); }, todos);
}

void PulsarBoton(vista::DialogoModal& d, const QString& caption) {
    QWidget* w = d.findChild<QWidget*>(QStringLiteral("LB") + caption);
    if (!w) throw std::runtime_error(("no button " + caption).toStdString());
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

void DobleClic(QWidget* w) {
    const QPoint centro = w->rect().center();
    QTest::mouseClick(w, Qt::LeftButton, {}, centro);
    QTest::mouseDClick(w, Qt::LeftButton, {}, centro);
    QTest::mouseRelease(w, Qt::LeftButton, {}, centro);
}

std::unique_ptr<vista::Aplicacion> ArrancarAceptando(bool recuperar) {
    auto app = std::make_unique<vista::Aplicacion>();
    auto vigia = AlAparecerDialogo([](vista::DialogoModal& d) { PulsarBoton(d, QStringLiteral("Aceptar")); });
    if (!app->Arrancar(recuperar)) throw std::runtime_error("the start window was not accepted");
    if (!QTest::qWaitForWindowExposed(&app->Vista())) throw std::runtime_error("the main window is not shown");
    return app;
}

QWidget* Widget(vista::Aplicacion& app, const QString& nombre) {
    QWidget* w = app.Vista().findChild<QWidget*>(nombre);
    if (!w) throw std::runtime_error(("no widget " + nombre).toStdString());
    return w;
}

int ValorResuelto(int c) {
    const int f = tablero::Fila(c) - 1, k = tablero::Columna(c) - 1;
    return (f * 3 + f / 3 + k) % 9 + 1;
}

}  // namespace novenario::pruebas
