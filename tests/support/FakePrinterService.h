#pragma once
// A printer for tests: its page is an image of the page size it reports, every print is recorded,
// and set-up and printing succeed or fail as told.

#include "engine/ZMNumber.h"
#include "platform/ZMCanvas.h"
#include "platform/ZMPrinterService.h"

#include <QImage>
#include <QSize>

#include <functional>
#include <vector>

class FakePrinterService final : public TPrinterService {
public:
    FakePrinterService(int pageWidth, int pageHeight) : width(pageWidth), height(pageHeight) {}

    struct Print {
        QSize picture;  // invalid for a blank page
        int left = 0;
        int top = 0;
    };

    int PageWidth() override { return width; }
    int PageHeight() override { return height; }
    bool Setup(QWidget*) override {
        ++setups;
        if (onSetup) onSetup();
        return setupWorks;
    }
    TPrintOutcome PrintPage(QWidget*, const QImage& picture, int left, int top) override {
        prints.push_back({picture.isNull() ? QSize() : picture.size(), left, top});
        if (onPrint) onPrint();
        if (outcome != TPrintOutcome::Printed) return outcome;
        page = QImage(width > 0 ? width : 1, height > 0 ? height : 1, QImage::Format_RGB32);
        page.fill(Qt::white);
        TCanvas canvas(&page);
        canvas.StretchDraw(left, top, zm::TruncSat(double(left) + picture.width()),
                           zm::TruncSat(double(top) + picture.height()), picture);
        canvas.Flush();
        return outcome;
    }

    int width;
    int height;
    bool setupWorks = true;
    int setups = 0;
    TPrintOutcome outcome = TPrintOutcome::Printed;
    std::vector<Print> prints;
    QImage page;  // the last page printed
    std::function<void()> onSetup;
    std::function<void()> onPrint;
};
