#pragma once
// The entries of the message table by what they say. Where several entries hold the same text, each is named
// after the window or tool that shows it, so that a translator can word them apart. The values are the
// entries' indexes; a language file keys entry i as "r" + (i + 1).

namespace msg {
enum Id : int {
    None = -1, // no message: a check that passed

    // Graph window tools: opening and closing lines of the answers.
    DistanceOpening = 0,         // "Обчислення відстані до точки"
    DistanceOpeningSeeGraph = 1, // "(Див. вікно \"Графік\")"
    DistanceFinished = 2,        // "Обчислення закінчено"
    NotSavedQuestion = 3,        // "Дані не збережено! Зберегти?"
    ValueOpening = 4,            // "Обчислення значення функції"
    ValueOpeningSeeGraph = 5,    // "(Див. вікно \"Графік\")"
    ValueFinished = 6,           // "Обчислення закінчено"
    CalcExpressionError = 7,     // "Помилка у виразі!" (calculator)
    CalcEvaluationError = 8,     // "Помилка обчислення!" (calculator)
    DistanceNext = 9,            // "Обчислення відстані до точки" (after each click)
    DistanceNextSeeGraph = 10,   // "(Див. вікно \"Графік\")"

    // Statistical sample: measures and the frequency table.
    SampleMean = 11,              // "Мат. сподівання (M)="
    SampleDeviation = 12,         // "Середнє кв. відхилення(s)="
    SampleSize = 13,              // "Об'єм вибірки="
    SampleMode = 14,              // "Мода="
    SampleMedian = 15,            // "Медіана="
    SampleHarmonicMean = 16,      // "Середнє гармонійне="
    SampleGeometricMean = 17,     // "Середнє геометричне="
    SampleQuadraticMean = 18,     // "Середнє квадратичне="
    FreqCumulativeCount = 19,     // "Накопич. n"
    FreqCumulativeFrequency = 20, // "Накопич. Pn*"
    FreqInterval = 21,            // "Відрізок"
    FreqHistogram = 22,           // "Гістограма"
    FreqPolygon = 23,             // "Полігон"
    SampleCaption = 24,           // "Статистична вибірка, M="

    // Table of points and broken line.
    TableEqualX = 25,       // "Всі Х-координати не можуть бути однакові!"
    BrokenVertexTitle = 26, // "Координати вершин ламаної"
    BrokenCaption = 27,     // "Ламана, "
    BrokenVertexCount = 28, // " тт."
    BrokenLength = 29,      // "Довжина ламаної:"

    // Derivative tool.
    DerivXError = 30,           // "Помилка у числі (виразі)!" (XEdit)
    DerivNoValue = 31,          // "Функція в цій точці не існує!"
    DerivPointOffGraph = 32,    // "Точка поза графіком!"
    DerivDxError = 33,          // "Помилка у числі (виразі)!" (DXEdit)
    DerivZeroDx = 34,           // "Приріст X повинен бути <>0!"
    DerivNoValueAtXPlusDx = 35, // "Функція в точці X+dX не існує!"
    DerivNoTangent = 36,        // "Дотична у вказаній точці не існує!"

    // Sample interval dialog.
    SampleBoundsExpressionError = 37, // "Помилка у виразі!"
    SampleAAboveSmallest = 38,        // "A повинно бути не більше "
    SampleBBelowLargest = 39,         // "B повинно бути не менше  "

    // Object entry dialogs and graph options.
    BrokLongVertexNumbers = 40,   // "Неправильно задано номери вершин!"
    FuInputExpressionError = 41,  // "Помилка у виразі!"
    FuInputInterval = 42,         // "Неправильний відрізок задання!"
    GraphOpsExpressionError = 43, // "Помилка у виразі!"
    GraphOpsScale = 44,           // "Неправильно задано масштаб!"

    // Point table dialog.
    TableTooFewPairs = 45, // "Повинно бути не менше 2-х пар чисел!"
    TableNumberError = 46, // "Помилка в записі числа!"
    TableReadError = 47,   // "Помилка читання з файлу!"
    TableWriteError = 48,  // "Помилка запису у файл!"
    // A document that gives nothing to "Відкрити" or "Додати" shows the same text.
    DocumentReadError = TableReadError,

    // Broken-line transformations.
    BrokenTransformExpressionError = 49, // "Помилка у виразі!"
    BrokenTransformOneOrTwoPoints = 50,  // "Необхідно відмітити 1  або 2 точки!"
    BrokenTransformNotBroken = 51, // "Активним у списку об\"єктів повинен бути об\"єкт \"Ламана\"!"

    // Circle, inequality and interval dialogs.
    CircleNeedsPoint = 52,        // "Необхідно відмітити на графіку точку!"
    CircleNeedsTwoPoints = 53,    // "Необхідно відмітити на графіку 2 точки!"
    NerExpressionError = 54,      // "Помилка у виразі!"
    RngInputExpressionError = 55, // "Помилка у виразі!"
    RngInputInterval = 56,        // "Неправильно задано відрізок!"

    // Pearson's criterion over two objects.
    PearsonDiscreteVsContinuous = 57, // "Дискретна вибірка не порівнюється з неперервною функцією!"
    PearsonIntegralNotOne = 58,       // "Інтеграл f(x) на [a,b]<>1!"
    PearsonModelsDiffer = 59, // "Не співпадають моделі даних для виборок!"
    PearsonVariantCountsDiffer = 60, // "Повинна бути однакова кількість різних варіант у вибірках!"
    PearsonIntervalCountsDiffer = 61, // "Повинна бути однакова кількість інтервалів у вибірках!"
    PearsonTitle = 62,            // "Критерій Пірсона:"
    PearsonSignificance = 63,     // "Рівень знач.="
    PearsonDegreesOfFreedom = 64, // "К-ть степенів свободи="
    PearsonChiExperimental = 65,  // "Xi2 експ.="
    PearsonChiTheoretical = 66,   // "Xi2 теор.="
    PearsonHypothesisHolds = 67,  // "Гіпотеза підтверджується"
    PearsonHypothesisFails = 68,  // "Гіпотеза не підтверджується"

    // Inequalities and integral tools.
    NerIntervals = 69,   // "Відрізки:"
    NerSystemTitle = 70, // "Розв'язування системи нерівностей"
    IntegralValue = 71,  // "Значення інтеграла:          "
    IntegralRevolutionOx = 72, // "Об'єм та площа поверхні тіла обертання, вісь Ox:"
    IntegralRevolutionOy = 73, // "Об'єм та площа поверхні тіла обертання, вісь Oy:"
    ArcLengthBoundsTitle = 74, // "Введення меж для знаходження довжини дуги"
    ArcLength = 75,            // "Довжина дуги кривої:"
    PolygonAreaSum = 76,       // "Сума площ відмічених многокутників:"
    RevolutionSurface = 77,    // "Площа поверхні "
    RevolutionVolume = 78,     // "Об'єм тіла "
    RevolutionAboutAxis = 79,     // " обертання навколо осі "
    FunctionEvaluationError = 80, // "Помилка обчислення функції!"
    DraftGraph = 81,              // "Чорновий графік"
    PointGraph = 82,              // "Графік точками"

    // Circle captions.
    CircleCentre = 83,          // "Коло з центром ("
    CircleRadius = 84,          // ") і радіусом "
    CircleExpressionError = 85, // "Помилка у виразі!"

    // Object list window.
    DeleteCheckedQuestion = 86, // "Вилучити відмічені об'єкти?"
    CheckedCount = 87,          // "Відмічено об'єктів: "

    // Sample data dialog (and the parameter panel's numbers).
    SampleGridTooFewRows = 88, // "Мало даних!"
    ParamNumberError = 89,     // "Помилка в записі числа!" (also the sample grid's cells)
    // The integral dialog: a bound or count that does not compile gets the interval dialog's text; a count of
    // subintervals that rounds below 1 or beyond the most strips drawn, the parameter panel's (as a zero step
    // does there).
    IntegralExpressionError = RngInputExpressionError,
    IntegralCountError = ParamNumberError,
    SampleGridTooFewData = 90,   // "Мало даних!"
    SampleGridTooFewValues = 91, // "Повинно бути не менше 2-х чисел!"
    SampleGridFrequencySum = 92, // "Сума відносних частот <> 1!"
    SampleGridBadData = 93,      // "Мало даних або вони неправильно задані!"
    SampleGridReadError = 94,    // "Помилка читання з файлу!"
    SampleGridWriteError = 95,   // "Помилка запису у файл!"
    SamplePolygon = 96,          // "Полігон" (graph type of the sample dialog)
    SampleHistogram = 97,        // "Гістограма"

    // File dialogs: documents, then the data files of the point table and the sample.
    DocumentOpenFilter = 98, // "Файли Vorn1 (*.vr1)|*.vr1|Всі файли (*.*)|*.*"
    DocumentSaveFilter = 99, // the same
    DocumentOpenTitle = 100, // "Відкрити файл"
    DocumentSaveTitle = 101, // "Зберегти файл"
    TableOpenTitle = 102,    // "Відкрити файл"
    TableSaveTitle = 103,    // "Запис файлу на диск"
    TableOpenFilter = 104,   // "Текстові файли (*.txt)|*.txt|Всі файли (*.*)|*.*"
    TableSaveFilter = 105,   // the same
    SampleOpenTitle = 106,   // "Відкрити файл"
    SampleSaveTitle = 107,   // "Запис файлу на диск"
    SampleOpenFilter = 108,  // "Текстові файли (*.txt)|*.txt|Всі файли (*.*)|*.*"
    SampleSaveFilter = 109,  // the same

    DeleteLastQuestion = 110,    // "Вилучити останній об'єкт?"
    IntegralSurfaceOx = 111,     // "Площа поверхні тіла обертання:       "
    IntegralSurfaceOy = 112,     // the same
    PearsonRangesDiffer = 113,   // "Неспівпадання відрізків задання!"
    LabelDlgCaption = 114,       // "Введення мітки на графіку"
    LabelDlgPrompt = 115,        // "Введіть мітку"
    PearsonVariantsDiffer = 116, // "Варіанти повинні співпадати!"
    LabelsGridText = 117,        // "Текст мiтки"
    LabelsBadCoordinates = 118,  // "Неправильнi координати!"
    TableDlgCaption = 119,       // "Дані для апроксимування поліномом"
    TablePointsNotListed = 120,  // "Список не було сформовано раніше. ..."
    RevolutionCrossesAxis =
        121, // "Потрібно виключити в списку об'єктів ламані, що перетинають вісь обертання!"
    BrokenTransformTwoPoints = 122, // "Необхідно відмітити 2 точки!"
    CirclePoint = 123,              // ") і точкою на колі ("
    DeleteCurrentQuestion = 124,    // "Вилучити поточний об'єкт?"
    DistanceBetween = 125,          // "Відстань між "
    DistanceAnd = 126,              // "та"
    OverwriteQuestion = 127,        // "Файл вже існує. Переписати його?"
    LabelsGridPoint = 128,          // "Точка"

    // Added by this program, after the original entries: the integral tools' warning that the Simpson passes
    // ran out while the value still moved (a divergent integral).
    IntegralUnsettled = 129, // "Увага: значення не усталилося, інтеграл може бути розбіжним!"

    Count // entries in the table
};
} // namespace msg
