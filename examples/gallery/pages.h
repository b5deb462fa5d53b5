// The gallery's page registry: each control's page registers itself from its own file.
#pragma once

#include <QImage>
#include <QPalette>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

struct GalleryPage {
    int order;                                // position in the list
    QString title;                            // shown in the list
    QString fileName;                         // screenshot name, without ".png"
    std::function<QWidget*(QWidget*)> create; // builds the page under a parent
};

std::vector<GalleryPage>& GalleryPages();

struct GalleryPageRegistrar {
    explicit GalleryPageRegistrar(GalleryPage page) { GalleryPages().push_back(std::move(page)); }
};

/// The dark palette the gallery offers (and its screenshots and appearance tests use).
QPalette GalleryDarkPalette();
/// The page rendered off screen at its natural size (at least 480 x 320).
QImage RenderPage(const GalleryPage& page);
