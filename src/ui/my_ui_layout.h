// Plain container for page sections. Its own class name lets the style sheet select it
// ("MyUiLayout { ... }").
#pragma once

#include <QWidget>

class MyUiLayout : public QWidget
{
    Q_OBJECT

public:
    explicit MyUiLayout(QWidget *parent = nullptr);
};
