#include "windows/accesible.h"

#include <QAccessibleWidget>
#include <QWidget>

#include "board/tablero.h"
#include "windows/barra_estado.h"
#include "windows/celda.h"
#include "windows/dialogo.h"
#include "windows/led.h"
#include "windows/parpadeo.h"
#include "windows/pulsable.h"
#include "windows/vista_principal.h"

namespace novenario::vista {

namespace {

// A widget a screen reader should not meet: a label painted on a button,
// a decoration, a blinking label (its text is told by its window), a cell's
// candidate labels (told by the cell).
bool Oculto(const QObject* o) {
    if (const auto* c = qobject_cast<const ControlVista*>(o)) return c->Papel() == Aspecto::Papel::Oculto;
    return qobject_cast<const TBlinkLabel*>(o) || qobject_cast<const EtiquetaCelda*>(o);
}

QList<QWidget*> Expuestos(const QWidget* w) {
    QList<QWidget*> hijos;
    for (QObject* o : w->children()) {
        auto* h = qobject_cast<QWidget*>(o);
        if (h && !h->isWindow() && !Oculto(h)) hijos << h;
    }
    return hijos;
}

// A widget whose children are only those a reader should meet.
class Contenedor : public QAccessibleWidget {
public:
    Contenedor(QWidget* w, QAccessible::Role papel) : QAccessibleWidget(w, papel) {}

    int childCount() const override { return static_cast<int>(Hijos().size()); }
    QAccessibleInterface* child(int i) const override {
        const QList<QWidget*> h = Hijos();
        return i >= 0 && i < h.size() ? QAccessible::queryAccessibleInterface(h[i]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* hijo) const override {
        return hijo ? static_cast<int>(Hijos().indexOf(qobject_cast<QWidget*>(hijo->object()))) : -1;
    }

protected:
    virtual QList<QWidget*> Hijos() const { return Expuestos(widget()); }
};

// ---- Buttons ----------------------------------------------------------------

// A widget the reader meets whole, with nothing inside it.
class Hoja : public QAccessibleWidget {
public:
    Hoja(QWidget* w, QAccessible::Role papel) : QAccessibleWidget(w, papel) {}
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
};

// A leaf whose press action is the click a player gives it.
class HojaPulsable : public Hoja {
public:
    using Hoja::Hoja;
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& accion) override {
        if (accion == pressAction() && Responde()) Pulsa();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

protected:
    virtual bool Responde() const = 0;
    virtual void Pulsa() = 0;
};

class Boton : public HojaPulsable {
public:
    explicit Boton(ControlVista* w) : HojaPulsable(w, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description) {
            // The label's words are the command's, where its picture's differ.
            return Rotulo()->toolTip().trimmed();
        }
        if (t == QAccessible::Accelerator) return TeclaAlt(Rotulo()->Estado().Caption);
        return QAccessibleWidget::text(t);
    }
    // The Alt letter, which the name no longer shows by its capital.
    QStringList keyBindingsForAction(const QString& accion) const override {
        const QString tecla = text(QAccessible::Accelerator);
        if (accion != pressAction() || tecla.isEmpty()) return {};
        return {tecla};
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.disabled = !Control()->Responde();
        s.focusable = true;
        return s;
    }

protected:
    bool Responde() const override { return Control()->Responde(); }
    void Pulsa() override { Control()->PulsarComoBoton(); }

private:
    ControlVista* Control() const { return static_cast<ControlVista*>(widget()); }
    const ControlVista* Rotulo() const { return Control()->Pareja() ? Control()->Pareja() : Control(); }
};

// ---- The board ----------------------------------------------------------------

class Tablero;

class CeldaAccesible : public HojaPulsable, public QAccessibleTableCellInterface {
public:
    explicit CeldaAccesible(CeldaVista* w) : HojaPulsable(w, QAccessible::Cell) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
        return HojaPulsable::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description) return Vista()->Candidatos();
        // The cell's name in the game, for a script or a test; not spoken.
        if (t == QAccessible::Help) return Vista()->objectName();
        return QAccessibleWidget::text(t);
    }
    // A given is no disabled control: it is a cell that says "fija". The
    // board itself is off while long work runs.
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const QWidget* tablero = widget()->parentWidget();
        s.disabled = tablero && !tablero->isEnabled();
        s.focusable = s.selectable = true;
        s.focused = s.selected = Vista()->Activa();
        return s;
    }

    bool isSelected() const override { return Vista()->Activa(); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return tablero::Columna(Vista()->Indice()) - 1; }
    int rowIndex() const override { return tablero::Fila(Vista()->Indice()) - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return QAccessibleWidget::parent(); }

protected:
    bool Responde() const override { return Vista()->isEnabled(); }
    void Pulsa() override { Vista()->Pulsar(); }

private:
    CeldaVista* Vista() const { return static_cast<CeldaVista*>(widget()); }
};

// The 81 cells in grid reading order, then whatever else lies on the board
// (the floating keypad, the cover of a new game). A panel (a grouping) that
// answers as a table: see the header.
class Tablero : public Contenedor, public QAccessibleTableInterface {
public:
    explicit Tablero(TableroVista* w) : Contenedor(w, QAccessible::Grouping) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return Contenedor::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return QStringLiteral("Tablero");
        return Contenedor::text(t);
    }
    QAccessibleInterface* focusChild() const override {
        for (CeldaVista* c : Celdas())
            if (c->Activa()) return QAccessible::queryAccessibleInterface(c);
        return nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int fila, int columna) const override {
        if (fila < 0 || fila > 8 || columna < 0 || columna > 8) return nullptr;
        const QList<CeldaVista*> c = Celdas();
        const auto i = static_cast<qsizetype>(fila * 9 + columna);
        return i < c.size() ? QAccessible::queryAccessibleInterface(c[i]) : nullptr;
    }
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> r;
        if (QAccessibleInterface* c = focusChild()) r << c;
        return r;
    }
    QString columnDescription(int columna) const override { return QStringLiteral("columna %1").arg(columna + 1); }
    QString rowDescription(int fila) const override { return QStringLiteral("fila %1").arg(fila + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return 9; }
    int rowCount() const override { return 9; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

protected:
    QList<QWidget*> Hijos() const override {
        QList<QWidget*> h;
        for (CeldaVista* c : Celdas()) h << c;
        for (QWidget* w : Expuestos(widget()))
            if (!qobject_cast<CeldaVista*>(w)) h << w;
        return h;
    }

private:
    // In grid reading order, row by row.
    QList<CeldaVista*> Celdas() const {
        QList<CeldaVista*> por_indice(NumCeldas, nullptr);
        for (QObject* o : widget()->children())
            if (auto* c = qobject_cast<CeldaVista*>(o); c && c->Indice() >= 0 && c->Indice() < NumCeldas)
                por_indice[c->Indice()] = c;
        QList<CeldaVista*> r;
        for (int c : tablero::OrdenRejilla())
            if (por_indice[c]) r << por_indice[c];
        return r;
    }
};

// The main window: its focus is the cell the cursor stands on.
class Ventana : public Contenedor {
public:
    explicit Ventana(VistaPrincipal* w) : Contenedor(w, QAccessible::Window) {}
    QAccessibleInterface* focusChild() const override {
        for (QWidget* h : Expuestos(widget()))
            if (qobject_cast<TableroVista*>(h))
                if (QAccessibleInterface* t = QAccessible::queryAccessibleInterface(h))
                    if (QAccessibleInterface* c = t->focusChild()) return c;
        return Contenedor::focusChild();
    }
};

class Notificacion : public Hoja {
public:
    explicit Notificacion(Pregonero* w) : Hoja(w, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<const Pregonero*>(widget())->Texto();
        return Hoja::text(t);
    }
};

QAccessible::Role PapelDe(Aspecto::Papel p) {
    switch (p) {
        case Aspecto::Papel::Alerta: return QAccessible::AlertMessage;
        case Aspecto::Papel::Estado: return QAccessible::StatusBar;
        case Aspecto::Papel::Grupo: return QAccessible::Grouping;
        case Aspecto::Papel::Oculto: return QAccessible::NoRole;
        case Aspecto::Papel::Texto:
        case Aspecto::Papel::Boton: break;
    }
    return QAccessible::StaticText;
}

QAccessibleInterface* Fabrica(const QString&, QObject* o) {
    if (auto* v = qobject_cast<VistaPrincipal*>(o)) return new Ventana(v);
    if (auto* t = qobject_cast<TableroVista*>(o)) return new Tablero(t);
    if (auto* c = qobject_cast<CeldaVista*>(o)) return new CeldaAccesible(c);
    if (auto* d = qobject_cast<DialogoModal*>(o)) return new Contenedor(d, QAccessible::Dialog);
    if (auto* p = qobject_cast<Pregonero*>(o)) return new Notificacion(p);
    if (auto* l = qobject_cast<LineaAvisos*>(o)) return new Contenedor(l, QAccessible::StatusBar);
    if (qobject_cast<ThhALed*>(o) || qobject_cast<BarraEstado*>(o))
        return new Hoja(static_cast<QWidget*>(o), QAccessible::StaticText);
    if (auto* c = qobject_cast<ControlVista*>(o)) {
        if (c->Papel() == Aspecto::Papel::Boton) return new Boton(c);
        if (c->Papel() == Aspecto::Papel::Grupo) return new Contenedor(c, QAccessible::Grouping);
        // The message line holds the window's Pregonero.
        if (c->Papel() == Aspecto::Papel::Estado) return new Contenedor(c, QAccessible::StatusBar);
        return new Hoja(c, PapelDe(c->Papel()));
    }
    return nullptr;
}

}  // namespace

Pregonero::Pregonero(QWidget* padre) : QWidget(padre) {
    setObjectName(QStringLiteral("Pregonero"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setGeometry(0, 0, 1, 1);
    hide();
}

// Each text appears anew: hidden, then shown with it.
void Pregonero::Decir(const QString& texto) {
    if (texto.isEmpty()) return;
    hide();
    texto_ = texto;
    show();
}

LineaAvisos::LineaAvisos(QWidget* padre) : QWidget(padre), voz_(new Pregonero(this)) {
    setObjectName(QStringLiteral("LineaAvisos"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setGeometry(0, 0, 1, 1);
}

void InstalarAccesibilidad() {
    static bool instalada = false;
    if (instalada) return;
    instalada = true;
    QAccessible::installFactory(Fabrica);
}

void Nombrar(QWidget* w, const QString& nombre) {
    if (w && w->accessibleName() != nombre) w->setAccessibleName(nombre);
}

void Describir(QWidget* w, const QString& descripcion) {
    if (w && w->accessibleDescription() != descripcion) w->setAccessibleDescription(descripcion);
}

void Avisar(QObject* objeto, QAccessible::Event evento) {
    if (!objeto || !QAccessible::isActive()) return;
    QAccessibleEvent e(objeto, evento);
    QAccessible::updateAccessibility(&e);
}

}  // namespace novenario::vista
