#pragma once

#include "app/Form1.h"
#include "app/MessageBoxes.h"
#include "app/StartupFailure.h"
#include "storage/FixedSequenceRandom.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>

// The real window, started up in a temporary program folder, for measuring
// the game's procedures where they really run.
class BenchWindow {
public:
    BenchWindow()
    {
        const QString images = folder_.filePath(QStringLiteral("images"));
        QDir().mkpath(images);
        const QDir source(QStringLiteral(QUORBIT_IMAGES_DIR));
        for (const QString& name : source.entryList({QStringLiteral("*.jpg")}, QDir::Files)) {
            QFile::copy(source.filePath(name), images + '/' + name);
        }
        Timer::setDrivenByHand(true);
        form_ = std::make_unique<Form1>(folder_.path(), random_, boxes_);
        if (const auto failure = loadForm(form_->game())) {
            throw std::runtime_error(failure->toStdString());
        }
    }

    Game& game() { return form_->game(); }
    Form1Controls& ui() { return form_->controls(); }
    Form1& form() { return *form_; }

private:
    class NoBoxes : public MessageBoxes {
        Answer show(const QString&, Buttons, const QString&, Icon) override { return Answer::No; }
    };

    QTemporaryDir folder_;
    FixedSequenceRandom random_;
    NoBoxes boxes_;
    std::unique_ptr<Form1> form_;
};
