#pragma once

#include "table/app_context.h"

/** @brief "OK" of "X start value". */
void Button3Click(App& app);
/** @brief "OK" of "X step". */
void Button2Click(App& app);
/** @brief "OK" of the X "Number of steps". */
void Button4Click(App& app);
/** @brief "OK" of "Y start value". */
void Button6Click(App& app);
/** @brief "OK" of "Y step". */
void Button9Click(App& app);
/** @brief "OK" of the Y "Number of steps". */
void Button7Click(App& app);
/** @brief "OK" of the bottom title: stamps it on the picture at (250, 520). */
void Button14Click(App& app);
/** @brief "OK" of the top title: stamps it on the picture at (250, 20). */
void Button13Click(App& app);
