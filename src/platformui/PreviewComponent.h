#pragma once

#include <QString>
#include <QWidget>

// Stands in for EEP's 3-D preview component where it is not available. It
// keeps the component's contract: writing ModelFile loads a model (a Windows-
// form gsb path, "" for none) and chooses a viewing Distance for it; reading
// ModelFile returns the text last written; writing Phi (turn), Theta (tilt) or
// Distance redraws. It draws an orientation view of the ground, the axes and
// the model's name from the current angles and distance, and says plainly
// that the real preview is missing; it never draws the model's geometry.
class PreviewComponent : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString ModelFile READ ModelFile WRITE SetModelFile)
    Q_PROPERTY(double Phi READ Phi WRITE SetPhi)
    Q_PROPERTY(double Theta READ Theta WRITE SetTheta)
    Q_PROPERTY(double Distance READ Distance WRITE SetDistance)
public:
    // The component's values as placed in the preview window.
    static constexpr double kStartPhi = 0.7854;
    static constexpr double kStartTheta = 1.571;
    static constexpr double kStartDistance = 5.0;
    // Range of the distance chosen for a model.
    static constexpr double kNearest = 2.0;
    static constexpr double kFarthest = 30.0;

    explicit PreviewComponent(QWidget* parent = nullptr);

    QString ModelFile() const { return m_modelFile; }
    void SetModelFile(const QString& windowsPath);
    double Phi() const { return m_phi; }
    void SetPhi(double radians);
    double Theta() const { return m_theta; }
    void SetTheta(double radians);
    double Distance() const { return m_distance; }
    void SetDistance(double distance);

    // The distance chosen for a model file of this size: grows with the
    // logarithm of the size, kept within kNearest..kFarthest.
    static double DistanceForSize(qint64 bytes);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_modelFile;
    QString m_modelName;
    double m_phi = kStartPhi;
    double m_theta = kStartTheta;
    double m_distance = kStartDistance;
    // The distance chosen for the loaded model as a multiple of the start
    // distance: the scene is drawn in that scale.
    double m_sceneScale = 1.0;
};
