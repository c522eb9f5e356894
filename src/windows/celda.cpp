#include "windows/celda.h"

#include <QFontMetrics>
#include <QPainter>

#include "windows/accesible.h"
#include "windows/arte.h"

namespace novenario::vista {

// The labels: 61 by 14 pixels, three in from the cell's left edge, one at
// the top (from one pixel above the cell) and one at 26 pixels down.
EtiquetaCelda::EtiquetaCelda(bool inferior, QWidget* padre) : ZonaPulsable(padre), inferior_(inferior) {
    setAttribute(Qt::WA_TranslucentBackground);
    setGeometry(3, inferior ? 26 : -1, 61, 14);
    hide();
}

void EtiquetaCelda::PonerTexto(const std::string& texto) {
    const QString t = QString::fromStdString(texto);
    if (t == texto_) return;
    texto_ = t;
    update();
}

void EtiquetaCelda::PonerResalte(char digito) {
    if (digito == resalte_) return;
    const bool antes = resalte_ && texto_.contains(QLatin1Char(resalte_));
    resalte_ = digito;
    if (antes || (resalte_ && texto_.contains(QLatin1Char(resalte_)))) update();
}

void EtiquetaCelda::paintEvent(QPaintEvent*) {
    if (texto_.isEmpty()) return;
    QPainter p(this);
    const QFont normal = Fuente(Familia::Courier, 11);
    p.setFont(normal);
    p.setPen(inferior_ ? AColor(Granate) : AColor(Negro));
    if (!resalte_ || !texto_.contains(QLatin1Char(resalte_))) {
        p.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, texto_);
        return;
    }
    // The lit digit bold, the rest as ever; the line centred as a whole.
    QFont negrita = normal;
    negrita.setBold(true);
    const QFontMetrics mn(normal), mb(negrita);
    const auto ancho = [&](QChar ch) { return (ch == QLatin1Char(resalte_) ? mb : mn).horizontalAdvance(ch); };
    int total = 0;
    for (QChar ch : texto_) total += ancho(ch);
    int x = (width() - total) / 2;
    const int base = (height() + mn.ascent() - mn.descent()) / 2;
    for (QChar ch : texto_) {
        p.setFont(ch == QLatin1Char(resalte_) ? negrita : normal);
        p.drawText(x, base, QString(ch));
        x += ancho(ch);
    }
}

CeldaVista::CeldaVista(int indice, QWidget* padre)
    : ZonaPulsable(padre),
      indice_(indice),
      superior_(new EtiquetaCelda(false, this)),
      inferior_(new EtiquetaCelda(true, this)) {
    const std::string nombre = tablero::Nombre(indice);
    setObjectName(QString::fromStdString(nombre));
    superior_->setObjectName(QStringLiteral("PSD") + QString::fromStdString(nombre.substr(1)));
    inferior_->setObjectName(QStringLiteral("PND") + QString::fromStdString(nombre.substr(1)));
    setGeometry(tablero::Izquierda(indice), tablero::Arriba(indice), tablero::AnchoCelda, tablero::AltoCelda);
    auto reenviar = [this](bool es_clic) {
        if (es_clic) emit clic(indice_);
    };
    connect(this, &ZonaPulsable::soltado, this, reenviar);
    connect(superior_, &ZonaPulsable::soltado, this, reenviar);
    connect(inferior_, &ZonaPulsable::soltado, this, reenviar);
}

namespace {

// A cell's value as it is spoken: its digit, or "vacía".
QString ValorHablado(const std::string& valor) {
    const QString v = QString::fromStdString(valor).trimmed();
    return v.isEmpty() ? QStringLiteral("vacía") : v;
}

}  // namespace

QString CeldaVista::NombreAccesible(int indice, const std::string& valor, bool fija) {
    QString n = QStringLiteral("fila %1, columna %2, ").arg(tablero::Fila(indice)).arg(tablero::Columna(indice));
    n += ValorHablado(valor);
    return fija ? n + QStringLiteral(", fija") : n;
}

QString CeldaVista::LecturaDeGrupo(const Tablero& paneles, TipoGrupo tipo, int c) {
    if (c < 0 || c >= NumCeldas) return {};
    const int g = tablero::GrupoDe(tipo, c);
    const char* nombre = tipo == TipoGrupo::Horizontal ? "fila" : tipo == TipoGrupo::Vertical ? "columna" : "bloque";
    QStringList valores;
    for (int celda : tablero::Grupo(tipo, g)) valores << ValorHablado(paneles[celda].Caption);
    return QStringLiteral("%1 %2: ").arg(QLatin1String(nombre)).arg(g) + valores.join(QStringLiteral(", "));
}

QString CeldaVista::Candidatos() const {
    if (!ultima_.EtiquetasVisibles || (ultima_.PSD.empty() && ultima_.PND.empty())) return {};
    const auto separados = [](const std::string& cifras) {
        QStringList l;
        for (char c : cifras)
            if (c != ' ') l << QString(QLatin1Char(c));
        return l.isEmpty() ? QStringLiteral("ninguno") : l.join(QLatin1Char(' '));
    };
    return QStringLiteral("posibles ") + separados(ultima_.PSD) + QStringLiteral("; ocupados ") +
           separados(ultima_.PND);
}

void CeldaVista::Sincronizar(const Celda& celda) {
    const Celda& u = ultima_;
    const bool todo = primera_;
    bool repintar = todo || celda.Color_ != u.Color_ || celda.TamanoFuente != u.TamanoFuente;
    const bool fija = celda.Color_ == Naranja;
    if (todo || celda.Caption != u.Caption || fija != (u.Color_ == Naranja)) {
        Nombrar(this, NombreAccesible(indice_, celda.Caption, fija));
        repintar = true;
    }
    if (todo || celda.Enabled != u.Enabled) setEnabled(celda.Enabled);
    if (todo || celda.PSD != u.PSD) superior_->PonerTexto(celda.PSD);
    if (todo || celda.PND != u.PND) inferior_->PonerTexto(celda.PND);
    if (todo || celda.EtiquetasVisibles != u.EtiquetasVisibles) {
        superior_->setVisible(celda.EtiquetasVisibles);
        inferior_->setVisible(celda.EtiquetasVisibles);
    }
    ultima_ = celda;
    primera_ = false;
    if (repintar) update();
}

void CeldaVista::Iluminar(int digito, bool iluminada) {
    const char d = (digito >= 1 && digito <= 9) ? static_cast<char>('0' + digito) : '\0';
    superior_->PonerResalte(d);
    inferior_->PonerResalte(d);
    if (iluminada == iluminada_) return;
    iluminada_ = iluminada;
    update();
}

// A third of a light sky blue over the cell's own colour: white turns a pale
// blue, orange a softer orange, aqua stays aqua and maroon stays dark, so
// each kind of cell is still told at a glance, and none looks like the
// green of the selection.
QColor CeldaVista::Tenido(const QColor& fondo) {
    static const QColor luz(120, 180, 255);
    constexpr int parte = 30;  // per cent of the light
    const auto mezcla = [](int a, int b) { return (a * (100 - parte) + b * parte + 50) / 100; };
    return QColor(mezcla(fondo.red(), luz.red()), mezcla(fondo.green(), luz.green()), mezcla(fondo.blue(), luz.blue()));
}

QColor CeldaVista::Fondo() const {
    const QColor propio = AColor(ultima_.Color_);
    return iluminada_ ? Tenido(propio) : propio;
}

void CeldaVista::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    const QColor fondo = Fondo();
    p.fillRect(r, fondo);
    // A soft bevel, lighter above and darker below, in the cell's own colour.
    p.setPen(fondo.lighter(118));
    p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
    p.setPen(fondo.darker(135));
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
    if (ultima_.Caption.empty()) return;
    p.setFont(Fuente(Familia::Arial, PixelesDePuntos(ultima_.TamanoFuente > 0 ? ultima_.TamanoFuente : 22)));
    p.setPen(AColor(Negro));
    p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, QString::fromStdString(ultima_.Caption));
}

TableroVista::TableroVista(QWidget* padre) : QWidget(padre) { setObjectName(QStringLiteral("PanelJuego")); }

void TableroVista::Sincronizar(const Control& panel) {
    const bool todo = primero_;
    if (todo || panel.Left != ultimo_.Left || panel.Top != ultimo_.Top || panel.Width != ultimo_.Width ||
        panel.Height != ultimo_.Height)
        setGeometry(panel.Left, panel.Top, panel.Width > 0 ? panel.Width : 647, panel.Height > 0 ? panel.Height : 402);
    if (todo || panel.Enabled != ultimo_.Enabled) setEnabled(panel.Enabled);
    if (todo || panel.Color_ != ultimo_.Color_) update();
    if (todo || panel.Visible != ultimo_.Visible) setHidden(!panel.Visible);
    ultimo_ = panel;
    primero_ = false;
}

void TableroVista::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, AColor(ultimo_.Color_));
    DibujarRelieve(p, r, true);
    // The bars between the blocks, four pixels thick, edge to edge inside
    // the panel's bevel.
    const QColor barra = AColor(BarraBloque);
    for (int x : {214, 426}) p.fillRect(QRect(x, 1, 4, r.height() - 2), barra);
    for (int y : {131, 263}) p.fillRect(QRect(1, y, r.width() - 2, 4), barra);
}

}  // namespace novenario::vista
