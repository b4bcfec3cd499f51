#include "platformui/PreviewComponent.h"

#include "platform/FileSystem.h"

#include <QLocale>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

struct Vec3 {
    double x, y, z;
};

Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator*(double s, const Vec3& a) { return {s * a.x, s * a.y, s * a.z}; }
double Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 Cross(const Vec3& a, const Vec3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// A pinhole camera on a sphere around the look-at point: Phi turns it around
// the vertical axis, Theta is its angle from straight above (0 = from above,
// pi/2 = level, pi = from below), Distance its radius.
class Camera {
public:
    Camera(double phi, double theta, double distance, const QRectF& viewport)
        : m_centre(viewport.center())
        , m_focal(std::min(viewport.width(), viewport.height()) * 0.9)
    {
        const Vec3 target{0.0, 0.0, 1.0};
        const Vec3 away{std::sin(theta) * std::cos(phi), std::sin(theta) * std::sin(phi), std::cos(theta)};
        m_eye = target + distance * away;
        m_forward = -1.0 * away;
        m_right = {-std::sin(phi), std::cos(phi), 0.0};
        m_up = Cross(m_right, m_forward);
    }

    // The segment as seen on the screen, cut at the near plane; nothing when
    // it lies wholly behind the camera.
    std::optional<QLineF> Project(const Vec3& a, const Vec3& b) const
    {
        Vec3 ca = ToCamera(a);
        Vec3 cb = ToCamera(b);
        if (ca.z < kNear && cb.z < kNear)
            return std::nullopt;
        if (ca.z < kNear)
            ca = CutAtNear(cb, ca);
        else if (cb.z < kNear)
            cb = CutAtNear(ca, cb);
        return QLineF(ToScreen(ca), ToScreen(cb));
    }

private:
    static constexpr double kNear = 0.1;

    Vec3 ToCamera(const Vec3& p) const
    {
        const Vec3 rel = p - m_eye;
        return {Dot(rel, m_right), Dot(rel, m_up), Dot(rel, m_forward)};
    }
    static Vec3 CutAtNear(const Vec3& in, const Vec3& out)
    {
        const double t = (in.z - kNear) / (in.z - out.z);
        return in + t * (out - in);
    }
    QPointF ToScreen(const Vec3& c) const
    {
        return {m_centre.x() + m_focal * c.x / c.z, m_centre.y() - m_focal * c.y / c.z};
    }

    QPointF m_centre;
    double m_focal;
    Vec3 m_eye{};
    Vec3 m_forward{};
    Vec3 m_right{};
    Vec3 m_up{};
};

void DrawSegment(QPainter& painter, const Camera& camera, const Vec3& a, const Vec3& b)
{
    if (const auto line = camera.Project(a, b))
        painter.drawLine(*line);
}

void DrawGround(QPainter& painter, const Camera& camera)
{
    constexpr int kHalf = 10;
    painter.setPen(QPen(QColor(150, 160, 150), 0));
    for (int i = -kHalf; i <= kHalf; ++i) {
        DrawSegment(painter, camera, {double(i), double(-kHalf), 0.0}, {double(i), double(kHalf), 0.0});
        DrawSegment(painter, camera, {double(-kHalf), double(i), 0.0}, {double(kHalf), double(i), 0.0});
    }
}

void DrawAxes(QPainter& painter, const Camera& camera)
{
    struct Axis {
        Vec3 tip;
        QColor colour;
        const char* name;
    };
    const Axis axes[] = {{{2.5, 0, 0}, QColor(200, 40, 40), "x"},
                         {{0, 2.5, 0}, QColor(30, 150, 30), "y"},
                         {{0, 0, 2.5}, QColor(40, 70, 210), "z"}};
    const Vec3 origin{0, 0, 0};
    for (const Axis& axis : axes) {
        painter.setPen(QPen(axis.colour, 2));
        if (const auto line = camera.Project(origin, axis.tip)) {
            painter.drawLine(*line);
            painter.drawText(line->p2() + QPointF(4, -4), QString::fromLatin1(axis.name));
        }
    }
}

// A caption on a light box at the top or bottom edge, so that the grid
// lines do not run through the text.
void DrawCaption(QPainter& painter, const QRectF& area, Qt::Alignment edge, const QFont& font, const QString& text)
{
    painter.setFont(font);
    const QRectF room = area.adjusted(8, 6, -8, -6);
    const int flags = int(Qt::AlignHCenter | edge) | Qt::TextWordWrap;
    const QRectF used = painter.boundingRect(room, flags, text);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 215));
    painter.drawRoundedRect(used.adjusted(-5, -3, 5, 3), 4, 4);
    painter.setPen(QColor(50, 50, 50));
    painter.drawText(room, flags, text);
}

QString DisplayName(const QString& windowsPath)
{
    return windowsPath.mid(windowsPath.lastIndexOf(QLatin1Char('\\')) + 1);
}

} // namespace

PreviewComponent::PreviewComponent(QWidget* parent)
    : QWidget(parent)
{
    setAutoFillBackground(false);
    setMinimumSize(1, 1);
}

void PreviewComponent::SetModelFile(const QString& windowsPath)
{
    m_modelFile = windowsPath;
    m_modelName = DisplayName(windowsPath);
    if (!windowsPath.isEmpty()) {
        m_distance = DistanceForSize(FileSystem::FileSize(windowsPath));
        m_sceneScale = m_distance / kStartDistance;
    }
    update();
}

void PreviewComponent::SetPhi(double radians)
{
    m_phi = radians;
    update();
}

void PreviewComponent::SetTheta(double radians)
{
    m_theta = radians;
    update();
}

void PreviewComponent::SetDistance(double distance)
{
    m_distance = distance;
    update();
}

double PreviewComponent::DistanceForSize(qint64 bytes)
{
    const double kib = double(std::max<qint64>(bytes, 0)) / 1024.0;
    const double distance = std::clamp(kNearest + 3.0 * std::log10(1.0 + kib), kNearest, kFarthest);
    return std::round(distance * 100.0) / 100.0;
}

void PreviewComponent::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, QColor(222, 232, 242));
    sky.setColorAt(1.0, QColor(245, 245, 238));
    painter.fillRect(area, sky);

    // Every model starts with the same picture; zooming moves the camera
    // relative to that. Distances too small for the camera to stay outside
    // the look-at point still give a picture.
    const Camera camera(m_phi, m_theta, std::max(m_distance / m_sceneScale, 0.2), area);
    DrawGround(painter, camera);
    DrawAxes(painter, camera);

    const QLocale numbers;   // the interface language's
    const QString view = tr("Drehen %1°, Kippen %2°, Abstand %3")
                             .arg(numbers.toString(qRadiansToDegrees(m_phi), 'f', 0),
                                  numbers.toString(qRadiansToDegrees(m_theta), 'f', 0),
                                  numbers.toString(m_distance, 'f', 2));
    QFont bold = font();
    bold.setBold(true);
    DrawCaption(painter, area, Qt::AlignTop, bold,
                m_modelName.isEmpty() ? tr("(kein Modell)") : m_modelName);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    DrawCaption(painter, area, Qt::AlignBottom, small,
                tr("Die Vorschau-Komponente von EEP ist auf diesem System nicht verfügbar. "
                               "Gezeigt wird nur die Blickrichtung:\n")
                    + view);
}
