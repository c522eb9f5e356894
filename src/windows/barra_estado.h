// The status bar at the foot of a window: sunken panels of fixed widths,
// each with its text centred. The last panel may run past the window's edge.
#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

namespace novenario::vista {

class BarraEstado : public QWidget {
    Q_OBJECT
public:
    BarraEstado(std::vector<int> anchos, QWidget* padre);
    void PonerTexto(std::size_t panel, const std::string& texto);
    void PonerTexto(std::size_t panel, const QString& texto);
    QString Texto(std::size_t panel) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::vector<int> anchos_;
    QStringList textos_;
};

}  // namespace novenario::vista
