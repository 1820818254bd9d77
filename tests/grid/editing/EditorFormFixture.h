// A shown, active form to put editor controls on.
#pragma once

#include "platform/Forms.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

struct EditorFormFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  void ShowForm(int w = 400, int h = 240) {
    Form->SetClientWidth(w);
    Form->SetClientHeight(h);
    Form->SetColor(clWhite);
    Form->Show();
    QApplication::setActiveWindow(Form->Widget());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
  }
  template <class T>
  T* Make(int l, int t, int w, int h) {
    auto* c = new T(Form.get());
    c->SetParent(Form.get());
    c->SetBounds(l, t, w, h);
    return c;
  }
};

// The colour of one pixel of a control as it is painted now.
TColor PaintedPixel(TControl* Control, int X, int Y);
