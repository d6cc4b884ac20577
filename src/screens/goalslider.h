// SPDX-License-Identifier: GPL-3.0-or-later
// The replay viewer's position slider: a horizontal slider over the frames
// with a red mark under each goal moment.
#pragma once

#include <QSlider>

#include <vector>

namespace vm {

class GoalSlider : public QSlider {
    Q_OBJECT
public:
    explicit GoalSlider(QWidget* parent = nullptr);

    // The frames marked as goals.
    void setGoals(std::vector<int> frames);
    const std::vector<int>& goals() const { return goals_; }
    // Where the mark of `frame` stands, in the slider's own pixels.
    int markX(int frame) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int> goals_;
};

}  // namespace vm
