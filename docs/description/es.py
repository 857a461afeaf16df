# Spanish half of the guide. "~" is a non-breaking space; F("name") prints a figure of figures.py.

def write(d, F):
    d.set_lang(3082)
    d.title("Tessilar")
    d.subtitle("Medida de la carga elemental con gotitas de aceite – guía de laboratorio")

    d.h1("1. Objetivo del experimento")
    d.p("El experimento de la gota de aceite pone de manifiesto una propiedad fundamental de la carga "
        "eléctrica: la carga de un cuerpo no puede tomar cualquier valor, sino que es siempre un "
        "múltiplo entero de una porción mínima, la **carga elemental** (//e//). Se pulverizan gotitas "
        "de aceite diminutas, de alrededor de un micrómetro, entre las dos placas horizontales de un "
        "condensador y se observan con un microscopio de medida. Sobre cada gotita actúan el peso, el "
        "empuje del aire, la fuerza de rozamiento con el aire y, cuando se aplica una tensión a las "
        "placas, la fuerza eléctrica. A partir de las velocidades de las gotitas y de la tensión entre "
        "las placas se calculan el radio y la carga de cada gotita, y a partir de las cargas, la carga "
        "elemental.")
    d.p(f"Tessilar simula este experimento. En la cámara hay {F('constant_DropletCount')} gotitas a la vez; tú fijas la "
        "tensión entre las placas entre 0 y 1000~V y la temperatura de la cámara entre 0 y 100~°C, y "
        "cronometras las gotitas con el cronómetro del programa. Cada medida de tiempo pasa al cuaderno "
        "del programa, que calcula el radio y la carga de cada gotita y estima con ellos la carga "
        "elemental; también puedes hacer los cálculos a mano. El programa trabaja con las constantes "
        "físicas y las leyes del apartado 4, de modo que tus resultados se pueden comprobar "
        "exactamente con ellas.")

    d.h1("2. Puesta en marcha del programa")
    d.p("El programa arranca con sus textos en húngaro, salvo que el profesor haya elegido el "
        "español para la clase (apartado 8.5). Al arrancar, una ventana pequeña («Azonosító "
        "beadása»; en español, «Introducir identificador») te pide tu identificador, por ejemplo tu "
        "nombre o el código de tu grupo. «OK» («Aceptar» en español), o Intro, continúa; «Mégse» "
        "(«Cancelar»), o cerrar la ventana, termina el programa. Para pasar después al español, elige "
        "en la ventana principal el menú «Súgó» (Ayuda), la opción «Nyelv…» (Idioma…) y, en la lista, "
        "«Español» (apartado 3.6); la elección dura hasta que cierras el programa. El identificador "
        "aparece en la barra de título de la ventana principal («Experimento "
        "Tessilar~~~/~~~identificador», con los textos húngaros «Tessilar-kísérlet~~~/~~~identificador»), "
        "así que una captura de pantalla muestra quién ha hecho la medida.")
    d.note("**Importante:** el identificador da también nombre a tu cuaderno. Cada medida que anotas "
           "pasa a él al instante y queda guardada en el ordenador, y cuando vuelves a arrancar el "
           "programa con el mismo identificador, escrito exactamente igual, el cuaderno reaparece "
           "(apartado 8). No se guarda nada más: las gotitas, la tensión y la temperatura empiezan de "
           "nuevo cada vez. Apunta también en tus propias notas lo que has hecho; el cuaderno solo "
           "contiene las lecturas.")

    d.h1("3. El aparato y sus mandos")
    d.p("A la izquierda de la ventana principal está el campo circular del microscopio con sus dos "
        "barras de desplazamiento; a su lado, el termostato con la columna del termómetro; a la "
        "derecha, uno debajo de otro, los paneles de la inyección, del cronómetro, de la fuente de "
        "tensión y de la salida. El cuaderno tiene una ventana propia (apartado 8). Los nombres de "
        "botones y paneles que siguen son los de los textos en español, que se eligen como explica "
        "el apartado 2; el programa arranca con los textos en húngaro.")

    d.h2("3.1. El microscopio de medida y su campo de visión")
    d.p("En el campo negro y circular del microscopio las gotitas se ven como pequeños puntos "
        f"amarillos. En la pantalla **1~píxel equivale a {F('constant_PixelSize')}~µm** de la cámara. Una gotita solo se "
        "muestra mientras está a menos de 200~µm del centro del campo, así que se ve a la vez una "
        "zona de unos 0,4~mm de diámetro.")
    d.p("El campo lleva una cruz blanca, la retícula graduada. Sus dos líneas tienen **una división "
        "cada 10~µm**; una de cada dos divisiones (cada 20~µm) es más larga, lo que facilita contar. "
        "Las divisiones llegan hasta 190~µm del centro en cada sentido. El recorrido de una gotita se "
        "mide contando divisiones: //N// divisiones equivalen a un recorrido de //N//~×~10~µm.")
    d.note("**El microscopio da una imagen invertida.** Las gotitas que en realidad caen se mueven "
           "**hacia arriba** en la imagen. En esta guía, «arriba» y «abajo» se refieren siempre a lo "
           "que se ve en la imagen; por tanto, el peso apunta hacia arriba en la imagen.")
    d.p("**Barras de desplazamiento.** La barra horizontal, bajo el campo, y la vertical, a su lado, "
        "desplazan el campo de visión cuando quieres seguir una gotita. Un paso (por ejemplo, un clic "
        "en una flecha de la barra) mueve el campo 4~µm; en la posición central el campo está en su "
        "posición inicial, y las dos posiciones extremas están a 200~µm de ella. La indicación junto a "
        "cada barra muestra su posición en milímetros, de 0,000 a 0,400~mm (0,200~mm en el centro; "
        "según la configuración del sistema, la indicación puede llevar punto decimal: 0.200~mm). Si "
        "mueves el cursor de una barra hacia la derecha (hacia abajo), las gotitas se mueven hacia la "
        "derecha (hacia abajo) en la imagen.")
    d.p("**Seguir una gotita.** Haz clic en una gotita del campo para seguirla: un clic a menos de "
        "6~píxeles del centro de una gotita elige la gotita más cercana, y su punto se vuelve rojo. El "
        "programa numera sus gotitas del 1 al 100, y el número de la gotita que sigues pasa a cada "
        "medida que anotas, de modo que el cuaderno sabe qué filas corresponden a la misma gotita "
        "(apartado 8). Cuando el cuaderno ya contiene medidas, las gotitas de una nueva inyección se "
        "numeran a partir de la centena siguiente (101, 102, … o 201, 202, …), para que una gotita "
        "nueva nunca se confunda con otra anterior del mismo número. Un clic "
        "en una parte vacía del campo, o Esc en la ventana principal, deja de seguir la gotita. La "
        "gotita sigue roja cuando desplazas el campo, y también cuando sale de él y vuelve; una "
        "inyección deja de seguirla, porque las gotitas son nuevas.")

    d.h2("3.2. Inyección")
    d.p("El botón **Inyectar gotitas** pulveriza 100 gotitas de aceite nuevas en la cámara; las "
        "anteriores desaparecen. Las gotitas tienen radios aleatorios de 0,5 a 1,5~µm. Al pulverizarse, "
        "cada gotita adquiere una carga positiva de 1, 2 o 3 cargas elementales, o ninguna: alrededor "
        "de la cuarta parte de las gotitas quedan sin carga. "
        "Aparecen alrededor del campo de visión, en una zona de unos 0,8~mm de ancho y 0,8~mm de alto, "
        "y parten del reposo.")
    d.p("La pulverización también pone el aire en movimiento: después de una inyección el aire "
        f"**arrastra las gotitas hacia la izquierda**. Esta deriva es al principio de {F('constant_DriftVX')}~mm/s y se "
        f"extingue rápidamente, con una constante de tiempo de {F('constant_DriftTau')}~s; en total, las "
        f"gotitas se desplazan unos {F('drift_path')}~mm hacia la izquierda. Al cabo de 2–3~s apenas se "
        f"nota, y {F('drift_stop')}~s después de la inyección ha cesado por completo. Una inyección "
        "devuelve además el campo de visión a su posición inicial y las barras de desplazamiento a su "
        "centro (0,200~mm), y deja de seguir la gotita.")

    d.h2("3.3. La fuente de tensión")
    d.p("El panel **Tensión** es la fuente de alimentación del condensador. Las placas están a "
        f"//d//~=~{F('constant_PlateGap_cm')}~cm una de otra, así que una tensión //U// crea entre "
        f"ellas un campo de intensidad //E//~=~//U/////d// ({F('field_500')}~V/m con 500~V).")
    d.bullet("**Casilla de la tensión:** escribe aquí el valor de la tensión en voltios, como número "
             "entero de 0 a 1000~V; se aplica mientras escribes. Un valor mayor que 1000 se convierte "
             "en 1000 y uno negativo en 0, y lo que no sea un número entero se ignora (la fuente "
             "mantiene el último valor válido). Los **botones de flecha** junto a la casilla, y las "
             "flechas arriba y abajo del teclado dentro de la casilla, cambian el número de la casilla "
             "de 2 en 2~V, entre 0 y 995~V.")
    d.bullet("**Botón Enc/Ap y piloto:** encienden y apagan la fuente. El piloto es de color verde "
             "azulado oscuro mientras la fuente está apagada y verde brillante mientras está "
             "encendida. Con la fuente apagada las placas están a 0~V, indique lo que indique la "
             "casilla.")
    d.bullet("**Botón Invertir:** invierte la polaridad de las placas. Al arrancar, la "
             "polaridad es positiva, la fuente está apagada y la tensión fijada es 0~V.")
    d.bullet("**Voltímetro:** un instrumento de aguja con una escala de −1000~V a +1000~V. Indica la "
             "tensión, con su signo, que hay realmente en las placas: con polaridad positiva la aguja "
             "se desvía a la derecha, con polaridad invertida a la izquierda, y con la fuente apagada "
             "queda vertical (0~V).")
    d.note("Con polaridad positiva (aguja a la derecha) la fuerza eléctrica empuja las gotitas con "
           "carga positiva en el **mismo sentido** que el peso, hacia arriba en la imagen, de modo que "
           "suben más deprisa. Por eso, para equilibrar una gotita hay que **invertir la polaridad** "
           "(aguja a la izquierda); entonces la fuerza eléctrica actúa en contra del peso.")

    d.h2("3.4. Termostato y termómetro")
    d.p("Escribe la temperatura deseada para la cámara, en grados Celsius, en la casilla del panel "
        "**Temperatura**, de 0 a 100~°C, con punto decimal si hace falta (por ejemplo 35.5; la coma "
        "decimal no se entiende). El termostato toma cada número a medida que lo escribes, y la "
        "casilla conserva tu texto tal como lo escribiste. Cuando pulsas Intro o sales de la casilla, "
        "esta muestra la temperatura fijada con dos decimales (35.50): un valor mayor que 100 se "
        "convierte en 100.00, uno negativo en 0.00, y una casilla vacía o sin número vuelve a mostrar "
        "la temperatura fijada. Los botones de flecha, y las flechas arriba y abajo del teclado dentro "
        "de la casilla, cambian la temperatura de grado en grado y la fijan al instante. El termómetro "
        "del panel (escala de 0 a 100~°C) indica la temperatura **actual** del aire de la "
        "cámara. Al arrancar, la cámara está a 20~°C.")
    d.p("El aire no alcanza de inmediato la temperatura fijada: se acerca a ella exponencialmente, con "
        f"una constante de tiempo de {F('constant_ThermalTau')}~s. Al cabo de 10~s se ha producido el "
        f"{F('temperature_10s')}~% del cambio, al cabo de 30~s el {F('temperature_30s')}~%, y al cabo "
        f"de 50~s alrededor del {F('temperature_50s')}~%. La viscosidad y la densidad del aire cambian con la temperatura, y con "
        "ellas las velocidades de las gotitas (véanse los apartados 4 y 5).")
    d.note("Una inyección no cambia la temperatura de la cámara: un cambio de temperatura que esté en "
           "curso sigue adelante después de la inyección.")

    d.h2("3.5. Cronómetro")
    d.p("El visor del panel **Cronómetro** muestra el tiempo como minutos:segundos,décimas "
        f"(por ejemplo, {F('stopwatch_example')} es 1~minuto y 15,3~s). **Start/Reset** pone el cronómetro en marcha desde "
        "cero (si se pulsa mientras funciona, vuelve a empezar desde cero); **Stop** lo para y el "
        "visor conserva el último valor. El visor trunca el tiempo en la décima de segundo, de modo "
        "que una lectura es como mucho 0,1~s más corta que el tiempo real, además de tu tiempo de "
        "reacción. Las teclas **F5** (Start/Reset) y **F6** (Stop) funcionan igual desde cualquier "
        "ventana del programa, y **F8** anota la lectura como fila nueva del cuaderno (apartado 8).")
    d.note("El cronómetro mide el **tiempo propio de la simulación**, en segundos simulados. La "
           "simulación va algo más despacio que el tiempo real (como mucho a 10/11 de la velocidad "
           "real), y aún más despacio en un ordenador muy cargado. Sigue funcionando mientras hay un "
           "menú abierto, mientras está abierta la ventana del cuaderno o mientras lees esta guía, y "
           "solo **se detiene** mientras está abierta la ventana «Acerca de», la de elección de idioma "
           "o una ventana de archivos del cuaderno (Exportar CSV…, Guardar informe…). Cronometra "
           "siempre las gotitas con el cronómetro del programa, nunca con tu propio reloj.")

    d.h2("3.6. Menús, teclas de función y salida")
    d.bullet("La opción **Salir** de la barra de menús, el botón **Salir** del panel de salida o cerrar la "
             "ventana: terminan el programa. No hace falta guardar el cuaderno: se escribe después de "
             "cada cambio.")
    d.bullet("El menú **Medida**: **Cuaderno…** (F7) abre la ventana del cuaderno o la trae al frente "
             "(apartado 8); **Ionizar** (F9) dispara un pulso de la fuente ionizante (apartado 10); "
             "**Movimiento browniano** activa y desactiva la agitación térmica de las gotitas "
             "(apartado 11.2); **Aire real** llena la cámara de aire real, en el que las gotitas "
             "pequeñas se deslizan entre las moléculas del aire y caen más deprisa de lo que dice la "
             "ley de Stokes, y muestra la casilla de la presión bajo el microscopio (apartado 11.3). "
             "Una marca junto a estas dos opciones indica que están activadas; al arrancar están "
             "desactivadas.")
    d.bullet("El menú **Ayuda**: **Acerca de** muestra los datos del programa (la simulación se "
             "detiene mientras está abierta); **Descripción** abre esta guía con el visor de "
             "documentos RTF del sistema o, si el sistema no tiene ninguno, en una ventana del propio "
             "programa; **Idioma…** elige el idioma de los textos entre las carpetas que hay junto al "
             "programa: elige «Español» para los textos en español, «English» para los ingleses y "
             "«Magyar» para los húngaros (con los textos húngaros, el menú se llama «Súgó» y la opción "
             "«Nyelv…»); **Ajustes del profesor…** prepara los ajustes de una clase "
             "(apartado 8.5).")
    d.p("Las teclas de función F5 a F9 funcionan desde cualquier ventana del programa; Esc y Supr, "
        "donde indica la tabla:")
    d.table([
        ["Tecla", "Qué hace"],
        ["F5", "pone en marcha el cronómetro desde cero (Start/Reset)"],
        ["F6", "para el cronómetro (Stop)"],
        ["F7", "abre la ventana del cuaderno o la trae al frente"],
        ["F8", "anota la lectura del cronómetro como fila nueva del cuaderno"],
        ["F9", "dispara un pulso de la fuente ionizante"],
        ["Esc", "en la ventana principal: deja de seguir la gotita"],
        ["Supr", "en la tabla del cuaderno: borra las filas marcadas"],
    ], [1300, 6500], align=["c", "l"])

    d.h1("4. Las fuerzas sobre una gotita")
    d.p("Consideremos una gotita de aceite de radio //r// y carga //q// que se mueve con velocidad //v// "
        "respecto al aire. Las fuerzas que actúan sobre ella son:")
    d.bullet("el peso: //F//_{g}~=~//m g//~=~(4/3)~π~//r//^{3}~ρ_{aceite}~//g//;")
    d.bullet("el empuje del aire (opuesto al peso): //F//_{emp}~=~(4/3)~π~//r//^{3}~ρ_{aire}~//g//;")
    d.bullet("la fuerza de rozamiento con el aire (ley de Stokes, opuesta al movimiento): "
             "//F//_{s}~=~6~π~η~//r v//;")
    d.bullet("la fuerza eléctrica: //F//_{e}~=~//q E//~=~//q U/////d//.")
    d.p("El peso y el empuje juntos dan un «peso aparente» de "
        "(4/3)~π~//r//^{3}~(ρ_{aceite}~−~ρ_{aire})~//g//. El programa usa estas constantes:")
    d.table([
        ["Magnitud", "Símbolo", "Valor en el programa"],
        ["densidad del aceite", "ρ_{aceite}", f"{F('constant_OilDensity')}~kg/m^{{3}}"],
        ["aceleración de la gravedad", "//g//", f"{F('constant_Gravity')}~m/s^{{2}}"],
        ["densidad del aire", "ρ_{aire}",
         f"{F('constant_AirDensity0')}~kg/m^{{3}}~×~{F('constant_RefTemp')}~K~/~//T//"],
        ["viscosidad del aire", "η",
         f"{F('constant_ViscSlope')}~×~√//T//~−~{F('constant_ViscOffset')}~Pa·s"],
        ["temperatura absoluta", "//T//", f"//t//~(°C)~+~{F('constant_CelsiusOffset')}, en kelvin"],
        ["distancia entre las placas", "//d//",
         f"{F('constant_PlateGap_cm')}~cm~=~{F('constant_PlateGap')}~m"],
        ["carga elemental (para comprobar)", "//e//", f"{F('constant_ElemCharge')}~C"],
        ["píxel / división en el microscopio", "–",
         f"1~píxel~=~{F('constant_PixelSize')}~µm, 1~división~=~10~µm"],
    ], [3200, 1100, 4600], align=["l", "c", "l"])
    d.p(f"A 20~°C (//T//~=~{F('kelvin_20')}~K): η~=~{F('viscosity_20')}~Pa·s, "
        f"ρ_{{aire}}~=~{F('air_density_20')}~kg/m^{{3}}, "
        f"ρ_{{aceite}}~−~ρ_{{aire}}~=~{F('density_difference_20')}~kg/m^{{3}}.")
    d.table([["//t// (°C)", "//T// (K)", "η (Pa·s)", "ρ_{aire} (kg/m^{3})"]] + [
        [F.num(t), F(f"kelvin_{t}"), F(f"viscosity_{t}"), F(f"air_density_{t}")]
        for t in (0, 20, 50, 100)
    ], [1500, 1500, 2400, 2400], align=["c", "c", "c", "c"])
    d.p(f"La viscosidad del aire aumenta, pues, con la temperatura (un {F('viscosity_rise')}~% de 0 "
        "a 100~°C), y su densidad disminuye.")

    d.h1("5. La ley de Stokes y las velocidades límite")
    d.p("Una esfera de radio //r// que se mueve con velocidad //v// en un fluido de viscosidad η sufre "
        "una fuerza de rozamiento //F//~=~6~π~η~//r v// (ley de Stokes). Una gotita se acelera hasta "
        "que el rozamiento equilibra la suma de las demás fuerzas; a partir de ahí se mueve con una "
        "**velocidad límite** constante. Para gotitas de un micrómetro esto tarda unos "
        f"{F('relaxation_10')}~µs, de modo que, cada vez que cambia la tensión, las gotitas adquieren su "
        "nueva velocidad prácticamente al instante.")
    d.p("**Con la fuente apagada** se equilibran el peso aparente y el rozamiento:")
    d.formula("6~π~η~//r v//_{0}~=~(4/3)~π~//r//^{3}~(ρ_{aceite}~−~ρ_{aire})~//g//"
              "~~~~~⇒~~~~~//v//_{0}~=~2~//r//^{2}~(ρ_{aceite}~−~ρ_{aire})~//g//~/~(9~η)")
    d.p("**Con la fuente encendida** actúa además la fuerza eléctrica sobre una gotita cargada, y su "
        "velocidad cambia en //qU//~/~(6~π~η~//r d//):")
    d.formula("//v//~=~//v//_{0}~±~//q U//~/~(6~π~η~//r d//)")
    d.p("El signo «+» vale para la polaridad positiva (la gotita sube más deprisa en la imagen) y el "
        "«−» para la polaridad invertida (la gotita sube más despacio, se para o empieza a moverse "
        "hacia abajo en la imagen). La velocidad de una gotita sin carga no depende de la tensión.")
    d.p("Algunas velocidades tal como las muestra el programa a 20~°C (en µm/s, que son también "
        "píxeles por segundo; los valores positivos indican hacia arriba en la imagen, los negativos "
        "hacia abajo):")
    d.table([
        ["//r// (µm)", "//v//_{0}, fuente apagada", "cambio por carga elemental con 500~V",
         "1~//e//, −500~V", "2~//e//, −500~V", "3~//e//, −500~V"],
    ] + [
        [F.num(r, 1), F(f"speed_{k}"), F(f"change_per_e_{k}"), F(f"speed_{k}_1e_reversed"),
         F(f"speed_{k}_2e_reversed"), F(f"speed_{k}_3e_reversed")]
        for r, k in ((0.5, "05"), (1.0, "10"), (1.5, "15"))
    ], [1000, 1500, 2100, 1400, 1400, 1400], align=["c"] * 6)
    d.p(f"Así, una gotita de 1~µm de radio sube unos {F('speed_10_whole')}~µm/s "
        f"({F('speed_10_whole')}~píxeles por segundo) en la imagen con la fuente apagada, y una sola "
        f"carga elemental con 500~V cambia su velocidad en unos {F('change_per_e_10_whole')}~µm/s. La "
        f"fórmula da //v//_{{0}}~=~{F('formula_speed_10')}~µm/s a 20~°C. Las velocidades del programa "
        "son algo menores, porque mueve las gotitas en pasos de 1~ms y en cada paso se pierde el breve "
        f"tiempo que la gotita necesita para adquirir su velocidad: un {F('shortfall_10')}~% para una "
        f"gotita de 1~µm y como mucho un {F('shortfall_largest')}~% para las gotitas más grandes, más o "
        "menos lo mismo que el error de lectura del cronómetro.")
    d.p("En el experimento real la ley de Stokes necesita una corrección para gotitas tan pequeñas, "
        "porque su tamaño es comparable al recorrido libre medio de las moléculas del aire. En la "
        "cámara ideal del programa, tal como arranca, ese efecto no existe, así que las fórmulas "
        "anteriores valen tal cual; con aire real (apartado 11.3) las gotitas se deslizan como en el "
        "aparato real.")

    d.h1("6. Métodos de medida")
    d.p("En los dos métodos el radio de la gotita se obtiene de su velocidad **con la fuente apagada** "
        "(//v//_{0}). Cronometra el tiempo (//t//_{0}) que tarda en recorrer //N// divisiones (un "
        "recorrido de //N//~×~10~µm): //v//_{0}~=~//N//~×~10~µm~/~//t//_{0}. La fórmula de la "
        "velocidad límite da entonces")
    d.formula("//r//~=~√(9~η~//v//_{0}~/~(2~(ρ_{aceite}~−~ρ_{aire})~//g//))")

    d.h2("(a) Método de equilibrio")
    d.p("Cuando la gotita está quieta (equilibrada) con la fuente encendida, la fuerza eléctrica "
        "compensa exactamente el peso aparente y no hay rozamiento:")
    d.formula("//q U/////d//~=~(4/3)~π~//r//^{3}~(ρ_{aceite}~−~ρ_{aire})~//g//~~~~~⇒~~~~~"
              "//q//~=~(4/3)~π~//r//^{3}~(ρ_{aceite}~−~ρ_{aire})~//g d//~/~//U//")
    d.p("Aquí //U// es el valor absoluto de la tensión de equilibrio (con la polaridad invertida, el "
        "voltímetro la indica en su lado negativo). Paso a paso:")
    d.num("1.", "Pulsa Inyectar gotitas y espera a que cese la deriva lateral de las gotitas (al menos "
          f"3~s; {F('drift_stop')}~s para un trabajo preciso).")
    d.num("2.", "Enciende la fuente, invierte la polaridad (la aguja se desvía a la izquierda) y fija, "
          "por ejemplo, 300~V.")
    d.num("3.", "Elige una gotita que se mueva despacio. Ajusta la tensión en pasos pequeños "
          "(escribiendo o con los botones de flecha) hasta que la gotita se quede en la misma "
          "división durante al menos 20–30~s. Anota la tensión de equilibrio //U//.")
    d.num("4.", "Con una tensión algo mayor lleva la gotita a la parte inferior del campo y apaga "
          "entonces la fuente: la gotita empieza a moverse hacia arriba en la imagen. Cronometra lo "
          "que tarda en recorrer //N// divisiones; así obtienes //v//_{0} y, de ahí, //r//.")
    d.num("5.", "Calcula la carga con la fórmula anterior.")
    d.p("La tensión de equilibrio es proporcional al cubo del radio de la gotita. La fuente da como "
        f"mucho 1000~V, así que las gotitas de más de unos {F('largest_balanced_short')}~µm no se "
        "pueden equilibrar; para ellas usa el método (b). Tensiones de equilibrio a 20~°C:")
    d.table([["//r// (µm)", "1~//e//", "2~//e//", "3~//e//"]] + [
        [F.num(r, 1)] + [F(f"balancing_{k}_{n}e") + "~V" for n in (1, 2, 3)]
        for r, k in ((0.5, "05"), (0.6, "06"), (0.7, "07"), (0.8, "08"), (1.0, "10"))
    ], [1500, 1800, 1800, 1800], align=["c"] * 4)

    d.h2("(b) Método dinámico: cronometrar el movimiento")
    d.p("Mide la velocidad de la misma gotita con la fuente apagada (//v//_{0}) y con la fuente "
        "encendida a la tensión //U// (//v//_{1}). Con la polaridad invertida la fuerza eléctrica actúa "
        "en contra del peso, y las dos ecuaciones de equilibrio de fuerzas son")
    d.formula("6~π~η~//r v//_{0}~=~(4/3)~π~//r//^{3}~(ρ_{aceite}~−~ρ_{aire})~//g//"
              "~~~~~(fuente apagada),")
    d.formula("//q U/////d//~−~(4/3)~π~//r//^{3}~(ρ_{aceite}~−~ρ_{aire})~//g//~=~6~π~η~//r v//_{1}"
              "~~~~~(fuente encendida),")
    d.p("y de ambas se obtiene:")
    d.formula("//q//~=~6~π~η~//r//~(//v//_{0}~+~//v//_{1})~//d//~/~//U//")
    d.p("**Signos:** //v//_{0} es la velocidad con la fuente apagada, hacia arriba en la imagen, y es "
        "positiva. //v//_{1} es la velocidad con la fuente encendida, que se cuenta positiva **hacia "
        "abajo en la imagen**; si con la polaridad invertida la gotita sigue subiendo, solo que más "
        "despacio, //v//_{1} es negativa. //U// es el valor absoluto de la tensión. Si mides con "
        "polaridad positiva, la gotita sube más deprisa; entonces //v//_{1} es esa velocidad de subida "
        "cambiada de signo, es decir, //q//~=~6~π~η~//r//~(//v//_{enc}~−~//v//_{0})~//d//~/~//U//, "
        "donde //v//_{enc} es la velocidad de subida con la fuente encendida. Para una gotita sin "
        "carga, //v//_{1}~=~−//v//_{0}, así que //q//~=~0.")
    d.p("Este método no necesita un equilibrio exacto y sirve también para gotitas grandes. Apagando "
        "y encendiendo la fuente puedes mover la misma gotita arriba y abajo varias veces y repetir "
        "la medida.")

    d.h2("(c) Cómo calcula el cuaderno el radio y la carga")
    d.p("El cuaderno (apartado 8) usa las fórmulas del apartado 5 con una sola regla de signos para "
        "todas las filas:")
    d.formula("//v//_{0}~=~2~//r//^{2}~(ρ_{aceite}~−~ρ_{aire})~//g//~/~(9~η)~~~~~⇒~~~~~"
              "//r//~=~√(9~η~//v//_{0}~/~(2~(ρ_{aceite}~−~ρ_{aire})~//g//))")
    d.formula("//v//~=~//v//_{0}~+~//q U//~/~(6~π~η~//r//·//d//)~~~~~⇒~~~~~"
              "//q//~=~6~π~η~//r//·//d//·(//v//~−~//v//_{0})~/~//U//")
    d.p("Aquí //v// es la velocidad de la fila, que se cuenta **positiva a favor del peso** («caída», "
        "hacia arriba en la imagen), **negativa en contra** («subida», hacia abajo en la imagen) y 0 "
        "cuando la gotita se mantiene quieta («equilibrio»); //U// es la tensión entre las placas **con "
        "su signo**, negativa con la polaridad invertida. Con estos signos una sola fórmula sirve para "
        "los dos métodos. Para una gotita equilibrada (//v//~=~0, //U//~<~0) da la carga del método "
        "(a), porque 6~π~η~//r v//_{0} es el peso aparente. Para una gotita que baja en un campo "
        "invertido (//v//~=~−//v//_{1}, //U//~=~−|//U//|) da la "
        "//q//~=~6~π~η~//r//~(//v//_{0}~+~//v//_{1})~//d//~/~|//U//| del método (b). La tabla "
        "trabaja fila a fila:")
    d.bullet("**Velocidad:** //N//~×~10~µm dividido entre el tiempo; 0 en una fila de equilibrio.")
    d.bullet("**Radio:** cada fila de «caída» de una gotita con la fuente apagada (tensión 0) da un "
             "radio, a la temperatura de esa fila. La media de esos radios es el radio de la gotita, "
             "que aparece en todas sus filas; las filas de una gotita son las que tienen el mismo "
             "número de gotita.")
    d.bullet("**Carga:** cada fila de la gotita con la fuente encendida, cronometrada o de equilibrio, "
             "da una carga a partir del radio de la gotita y del sentido, la velocidad, la tensión y "
             "la temperatura de la propia fila (η, ρ_{aire} y //v//_{0} a esa temperatura).")
    d.bullet("Una celda que todavía no se puede calcular queda vacía: una fila sin número de gotita, o "
             "una gotita sin ninguna caída con la fuente apagada, no tiene radio ni carga.")
    d.p("La gotita del ejemplo resuelto (apartado 7), anotada como gotita 7, da estas dos filas:")
    d.table([
        ["Gotita", "Divisiones (//N//)", "Distancia (µm)", "Tiempo (s)", "Sentido", "//U// (V)",
         "//t// (°C)", "Velocidad (µm/s)", "Radio (µm)", "Carga (10^{−19}~C)"],
        ["7", "30", "300", F.reading("example_rise_reading"), "caída", F.num(0), F.num(20, 2),
         F("notebook_fall_speed"), F("notebook_radius"), ""],
        ["7", "10", "100", F.reading("example_fall_reading"), "subida", F.num(-500), F.num(20, 2),
         F("notebook_rise_speed"), F("notebook_radius"), F("notebook_charge")],
    ], [900, 800, 950, 650, 1050, 700, 700, 900, 850, 1050], align=["c"] * 10)
    d.p(f"La primera fila da //r//~=~√(9~η~×~{F('notebook_fall_speed')}~µm/s~/~"
        f"(2~(ρ_{{aceite}}~−~ρ_{{aire}})~//g//))~=~{F('notebook_radius')}~µm. En la segunda la gotita "
        f"se mueve en contra del peso, así que //v//~=~−{F('notebook_rise_speed')}~µm/s, y //U//~=~−500~V:")
    d.formula(f"//q//~=~6~π~η~//r//·//d//·(−{F('notebook_rise_speed')}~−~{F('notebook_fall_speed')})"
              f"~µm/s~/~(−500~V)~=~{F('notebook_charge')}×10^{{−19}}~C~≈~{F('notebook_charge_e')}~//e//,")
    d.p("el resultado del método (b) del apartado 7, salvo el redondeo de las velocidades.")

    d.h1("7. Ejemplo resuelto")
    d.p(f"La medida se hizo a 20~°C (η~=~{F('viscosity_20')}~Pa·s, "
        f"ρ_{{aceite}}~−~ρ_{{aire}}~=~{F('density_difference_20')}~kg/m^{{3}}). Las lecturas que siguen "
        "son las que el programa da de verdad para una de sus gotitas.")
    d.p("**El radio.** Con la fuente apagada, la gotita elegida recorrió 30~divisiones (300~µm) hacia "
        f"arriba en la imagen mientras el cronómetro llegaba a {F('example_rise_reading')} (la gotita "
        f"tardó en realidad {F('example_rise_time')}~s; el visor trunca el resto). Así, "
        f"//v//_{{0}}~=~300~µm~/~{F.reading('example_rise_reading')}~s~=~"
        f"{F('example_v0')}~µm/s~=~{F('example_v0_si')}~m/s, y")
    d.formula("//r//~=~√(9~η~//v//_{0}~/~(2~(ρ_{aceite}~−~ρ_{aire})~//g//))~=~"
              f"{F('example_radius')}~m~≈~{F('example_radius_um')}~µm.")
    d.p("Su peso aparente es")
    d.formula("(4/3)~π~//r//^{3}~(ρ_{aceite}~−~ρ_{aire})~//g//~=~"
              f"{F('example_weight')}~N.")
    d.p(f"**(a) Equilibrio.** Con la polaridad invertida, la gotita quedó prácticamente quieta con "
        f"{F('example_balance')}~V (con {F.num(F.number('example_balance') - 1)}~V aún "
        f"subía unos {F('example_rise_below')}~µm por minuto, y con "
        f"{F.num(F.number('example_balance') + 1)}~V bajaba unos {F('example_sink_above')}~µm "
        "por minuto en la imagen). La carga es")
    d.formula(f"//q//~=~{F('example_weight')}~N~×~{F('constant_PlateGap')}~m~/~{F('example_balance')}~V~=~"
              f"{F('example_q_balance')}~C~≈~{F('example_q_balance_e')}~//e//.")
    d.p("La carga es, por tanto, de 2 cargas elementales, lo que da "
        f"//e//~≈~{F('example_q_balance')}~C~/~2~=~{F('example_e_estimate')}~C. El pequeño exceso "
        "se debe al cronómetro: su visor trunca el tiempo, así que //v//_{0} y con ella //r// salen "
        "algo demasiado grandes. Un recorrido más largo o la repetición de las medidas reducen este "
        "error.")
    d.p("**(b) Método dinámico.** Con la polaridad invertida y 500~V, la gotita se movió hacia abajo en "
        f"la imagen y recorrió 10~divisiones (100~µm) en {F('example_fall_reading')}: "
        f"//v//_{{1}}~=~100~µm~/~{F.reading('example_fall_reading')}~s~=~{F('example_v1')}~µm/s "
        f"(positiva, porque se mueve hacia abajo). Con 6~π~η~//r//~=~{F('example_stokes')}~N·s/m,")
    d.formula(f"//q//~=~{F('example_stokes')}~N·s/m~×~({F('example_v0')}~+~{F('example_v1')})×10^{{−6}}~m/s"
              f"~×~{F('constant_PlateGap')}~m~/~500~V~=~{F('example_q_timing')}~C~≈~"
              f"{F('example_q_timing_e')}~//e//.")
    d.p("Los dos métodos coinciden: la gotita lleva 2~//e//. Para comparar, con polaridad positiva y "
        f"500~V la misma gotita subiría a {F('example_positive')}~µm/s en la imagen.")
    d.p(f"**Una gotita de 1~µm de radio** sube a unos {F('speed_10')}~µm/s ({F('speed_10_whole')}~píxeles "
        f"por segundo) con la fuente apagada: recorre 20~divisiones en solo {F('time_20_ticks_10')}~s, "
        "así que cronometra las gotitas grandes en un recorrido más largo. Si lleva una carga "
        f"elemental, 500~V cambian su velocidad en unos {F('change_per_e_10')}~µm/s: a "
        f"{F('speed_10_1e_reversed')}~µm/s con la polaridad invertida y a "
        f"{F('speed_10_1e_positive')}~µm/s con la polaridad positiva.")

    d.h1("8. El cuaderno de medidas")
    d.p("La ventana del cuaderno (Medida → Cuaderno…, o F7) guarda tus medidas de tiempo en una tabla, "
        "una fila por medida, y calcula con ellas la velocidad, el radio y la carga. La ventana no "
        "detiene la simulación: tenla abierta junto a la ventana principal mientras mides.")

    d.h2("8.1. Anotar una medida")
    d.num("1.", "Haz clic en la gotita que quieres cronometrar, para que se vuelva roja (apartado 3.1).")
    d.num("2.", "Pulsa F5 cuando la gotita pase por una división, y F6 cuando haya recorrido //N// "
          "divisiones.")
    d.num("3.", "Pulsa F8: al final de la tabla aparece una fila nueva con la lectura del cronómetro y "
          "la tensión y la temperatura de ese momento.")
    d.num("4.", "Comprueba en la fila nueva el número de la gotita, el número de divisiones y el "
          "sentido, y corrígelos si hace falta: haz doble clic en la celda, o márcala y escribe.")
    d.p("F8 toma lo que muestra el cronómetro en ese momento, también mientras funciona; páralo "
        "antes. En la tabla solo se pueden cambiar la gotita, las divisiones y el sentido; el tiempo, "
        "la tensión y la temperatura son las propias lecturas.")

    d.h2("8.2. Las columnas")
    d.table([
        ["Columna", "Qué contiene"],
        ["Gotita", "el número de la gotita que seguías, o nada si no seguías ninguna; puedes "
         "escribir otro número o vaciar la celda"],
        ["Divisiones //N//", "las divisiones recorridas: al principio, el número de la fila "
         "anterior, 30 en la primera fila; escribe el número que has contado. La distancia que hay "
         "a su lado es //N//~×~10~µm."],
        ["Tiempo", "la lectura del cronómetro tal como se ve, en segundos"],
        ["Sentido", "**caída**: a favor del peso, hacia arriba en la imagen; **subida**: en contra "
         "del peso, hacia abajo en la imagen; **equilibrio**: quieta, velocidad 0. Una fila nueva "
         "dice «subida» cuando la fuente está encendida con la polaridad invertida, y «caída» en "
         "los demás casos; elige en la lista si la gotita se movió en el otro sentido o estuvo "
         "quieta."],
        ["Tensión", "la tensión entre las placas, con su signo, en el momento de anotar, en V: 0 con "
         "la fuente apagada, negativa con la polaridad invertida"],
        ["Temperatura", "la temperatura de la cámara en el momento de anotar, en °C, con dos "
         "decimales"],
        ["Velocidad, Radio, Carga", "calculados como en el apartado 6 (c): la velocidad en µm/s, el "
         "radio en µm, la carga en 10^{−19}~C; vacías donde todavía no se pueden calcular"],
    ], [2600, 6400], align=["l", "l"])
    d.note("«Caída» y «subida» se refieren al movimiento real, no a la imagen: en la imagen invertida "
           "una gotita que cae se mueve **hacia arriba**. Una gotita que en un campo invertido sigue "
           "subiendo en la imagen está cayendo, solo que más despacio.")

    d.h2("8.3. Botones, histograma y estimación")
    d.bullet("**Borrar filas marcadas**, o la tecla Supr en la tabla: borra las filas que hayas "
             "marcado (haz clic en el número de una fila; con Ctrl o Mayús añades más filas).")
    d.bullet("**Exportar CSV…**: guarda la tabla como archivo CSV donde elijas (el formato está en "
             "el apartado 8.4).")
    d.bullet("**Guardar informe…**: guarda un PDF en A4 con un título, tu identificador, la fecha y la "
             "hora, la tabla, el histograma y la estimación. Esto es lo que entregas.")
    d.p("Bajo la tabla, un **histograma** muestra las cargas según su tamaño, en intervalos de "
        "0,1×10^{−19}~C, de 0 a al menos 6×10^{−19}~C (más allá si alguna carga es mayor); unas "
        "líneas discontinuas tenues marcan los múltiplos enteros de la estimación. Debajo aparece la "
        "**estimación** de la carga elemental con su incertidumbre, el número de cargas en que se "
        f"basa y su desviación respecto al valor aceptado, {F('constant_ElemCharge')}~C; el apartado 9 "
        "explica cómo se obtiene.")

    d.h2("8.4. Dónde se guarda el cuaderno")
    d.p("Cada identificador tiene su propio cuaderno, el archivo <identificador>.csv de la carpeta "
        "$XDG_DATA_HOME/tessilar/notebooks, o $HOME/.local/share/tessilar/notebooks si la variable "
        "XDG_DATA_HOME no está definida (los caracteres que no pueden figurar en un nombre de "
        "archivo, como «/», se convierten en «_»). El programa escribe el archivo después de cada "
        "cambio, de una sola vez, de modo que siempre contiene o la tabla anterior o la nueva, y lo "
        "vuelve a leer cuando el mismo identificador arranca de nuevo el programa.")
    d.bullet("Un cuaderno que no se puede leer (dañado, o modificado a mano con otro formato) nunca se "
             "sobrescribe: se renombra en la misma carpeta como "
             "<identificador>.damaged-<fecha-hora>.csv, un mensaje lo avisa y empieza un cuaderno "
             "vacío. Si ni siquiera se puede renombrar, el archivo se deja como está, y las filas de "
             "esta sesión quedan solo en la memoria: guárdalas con Exportar CSV….")
    d.bullet("Cuando no se puede escribir en la carpeta, un mensaje lo avisa una vez; la tabla sigue "
             "funcionando, y puedes guardar sus filas en otro sitio con Exportar CSV….")
    d.p("El archivo es una tabla CSV (UTF-8, con «.» como separador decimal) que abren los programas "
        "de hoja de cálculo. Su primera línea es")
    d.formula("droplet,ticks,distance_um,time_s,direction,voltage_V,temperature_C,speed_um_s,"
              "radius_um,charge_1e-19C,student,spray,bursts,pressure_kPa")
    d.p("y cada una de las líneas siguientes es una fila de la tabla, con el sentido escrito en "
        "inglés: fall (caída), rise (subida) o balanced (equilibrio). Las cuatro últimas celdas dicen "
        "de quién era la gotita: tu identificador tal como lo escribiste y, en una cámara propia "
        "creada con el código de clase de un profesor (apartado 8.5), de cuál de tus inyecciones "
        "procedía y cuántos pulsos ionizantes habían actuado sobre esa inyección; la presión, en "
        "kPa, solo se rellena en las filas cronometradas con aire real (apartado 11.3). Cuando el "
        "programa vuelve a leer un cuaderno, toma la gotita, las divisiones, el tiempo, el sentido, "
        "la tensión, la temperatura y esas cuatro celdas, y calcula de nuevo el resto; un "
        "cuaderno con solo las diez primeras columnas, como lo escribían las versiones anteriores, "
        "se sigue abriendo. La marca ⚡ del apartado 10 se guarda junto al cuaderno, en el archivo "
        "<identificador>.bursts.")

    d.h2("8.5. Para el profesorado")
    d.p("Los ajustes del archivo Tessilar.ini de la carpeta del programa (no de una carpeta de idioma) "
        "adaptan el programa a una clase:")
    d.bullet("**Calculations=0** en la sección **[Notebook]** oculta las columnas del radio y de la "
             "carga, el histograma y la estimación, para que los alumnos hagan los cálculos a mano "
             "(apartado 6); el archivo del cuaderno y el informe dejan entonces vacías esas columnas.")
    d.bullet("**BrownianMotion=1** en la sección **[Settings]** activa el movimiento browniano desde el "
             "principio (apartado 11.2); se puede seguir desactivando en el menú Medida.")
    d.bullet("**RealAir=1** en la sección **[Settings]** llena la cámara de aire real desde el "
             "principio (apartado 11.3), como hace **?realair=1** en la dirección de la edición para "
             "navegador; se puede seguir desactivando en el menú Medida.")
    d.bullet("**ClassCode=//código//** en la sección **[Assessment]** da a cada alumno una cámara "
             "propia: las gotitas de las inyecciones de un alumno y el cambio que produce cada pulso "
             "ionizante dependen solo del código y del identificador, igual en la edición para "
             "navegador (allí, **?class=//código//** en la dirección), haga el alumno lo que haga. "
             "El código es cualquier texto de hasta 64 caracteres sin etiquetas ni caracteres de "
             "control; si un código no se puede usar, se avisa, y la cámara se llena entonces al "
             "azar.")
    d.bullet("**Language=Español** en la sección **[Settings]** arranca el programa en español, y "
             "**Droplets=//N//** en la misma sección indica cuántas gotitas debe cronometrar un "
             "alumno (8 si no se indica): la ventana del cuaderno las cuenta («Gotitas medidas: 3 de "
             "8»), y en una plataforma de aprendizaje la actividad queda completada cuando están "
             "cronometradas.")
    d.p("**Ayuda → Ajustes del profesor…** reúne todos estos ajustes en una ventana y los entrega en "
        "todas las formas que necesita una clase: la dirección de la edición para navegador con los "
        "ajustes como parámetros (escribe la dirección donde has puesto la página y pulsa **Copiar "
        "dirección**) y su código QR para los móviles de los alumnos; las líneas para este "
        "Tessilar.ini; **Guardar página…**, una copia de la página de la edición para navegador con "
        "los ajustes dentro, que arranca con ellos desde dondequiera que se abra (un parámetro de su "
        "dirección sigue teniendo prioridad); y **Guardar paquete SCORM…**, la misma página "
        "empaquetada para la actividad SCORM 1.2 de una plataforma de aprendizaje. En la "
        "plataforma, la página toma el nombre del alumno como identificador, guarda el cuaderno en "
        "la plataforma después de cada cambio (y lo recupera en un intento posterior o en otro "
        "dispositivo), y da la actividad por completada, con una calificación igual a la proporción "
        "de gotitas cronometradas y con todas las cargas y la estimación de //e//. Si el cuaderno "
        "supera los 4096 caracteres que admite la plataforma, o la plataforma lo rechaza, se avisa "
        "una vez, y el cuaderno se queda en el navegador. Los ajustes en vigor aparecen en la "
        "ventana «Acerca de». El paquete de instalación del programa instala la página y el paquete SCORM en "
        "/usr/share/tessilar/web.")
    d.p("El código da a los alumnos honrados cámaras distintas, y con él el solucionario muestra qué "
        "filas se han copiado, inventado o leído mal. No es un sistema de seguridad: un alumno que desmonte el "
        "programa podría llegar a calcular una cámara.")
    d.p("La orden **tessilar --report NOTEBOOK.csv REPORT.pdf** escribe como PDF el informe del "
        "archivo del cuaderno de un alumno sin abrir ninguna ventana (el identificador que figura en "
        "él es el nombre del archivo) e imprime la estimación de //e//. Para un cuaderno que no se "
        "puede leer, indica el archivo y la línea y no escribe ningún PDF.")
    d.p("**tessilar --class-report CLASS.pdf --class-code //code// NOTEBOOK.csv …** reúne los "
        "cuadernos de una clase en un solo informe y añade el **solucionario**: cada fila se "
        "comprueba con lo que contenía de verdad la cámara de su alumno en ese momento. Las páginas "
        "de cada alumno terminan con una tabla de las filas, el radio y la carga reales de la gotita "
        "y la carga que da la fila, con una valoración: //correcta// (la carga de la fila está más "
        "cerca del múltiplo entero real), //mal leída// (la fila procede de esa gotita, pero su carga "
        "está más cerca de otro múltiplo), //de esta cámara// (no hay carga que valorar) o //no es de "
        "esta cámara// (su velocidad se aparta más de un 25~% de la que tenía de verdad la gotita, "
        "como ocurre con una fila copiada o inventada). La tabla de la clase indica, para cada "
        "alumno, cuántas filas encajan con su cámara y cuántas cargas son correctas, y marca como "
        "copia un cuaderno cuyas filas nombran a otro alumno, o que comparte con el cuaderno de "
        "otro alumno filas que encajan mejor con la cámara de ese otro alumno. Como las filas nombran a su alumno, "
        "un cuaderno renombrado por el camino («anna (1).csv») se sigue comprobando con la cámara de "
        "su alumno. En la edición para navegador, la casilla «Código de clase» de la ventana del "
        "cuaderno hace lo mismo para su «Informe de la clase…».")

    d.h1("9. Estimación de la carga elemental")
    d.p("El cuaderno estima //e// a partir de todas las cargas de su tabla, como lo harías tú con el "
        "histograma: busca la mayor porción de carga de la que casi todas las cargas medidas son "
        "múltiplos enteros. Qué cargas cuentan:")
    d.bullet("Las cargas de valor absoluto menor que 0,3×10^{−19}~C corresponden a gotitas sin carga "
             "(lo que se mide es solo el error) y se dejan fuera.")
    d.bullet("Una carga negativa cuenta por su valor absoluto.")
    d.bullet("Si quedan menos de 3 cargas, o menos de 3 cerca de múltiplos enteros del valor "
             "encontrado, la ventana indica que no hay datos suficientes.")
    d.p("El método, paso a paso:")
    d.num("1.", "El valor candidato de //e// empieza en 1,2 veces la carga más pequeña y se reduce en "
          "pasos pequeños (un 0,1~% cada vez). Se conserva el primer candidato, es decir, el mayor, "
          "para el que al menos el 90~% de las cargas están a menos de 0,2~//e// de un múltiplo "
          "entero //n e// (//n//~=~1, 2, 3, …). Si ningún candidato lo consigue, se conserva el que "
          "encaja con más cargas.")
    d.num("2.", "Cada carga que está así de cerca se divide entre su //n//, y la media de esos valores "
          "//q/////n// pasa a ser el nuevo //e//. Este paso se hace dos veces, porque el nuevo //e// "
          "puede cambiar qué cargas están cerca de un múltiplo.")
    d.num("3.", "La incertidumbre es el error típico de los valores //q/////n//: su desviación típica "
          "dividida entre la raíz cuadrada de su número. La ventana muestra también cuántas cargas "
          f"se han usado y la desviación respecto a {F('constant_ElemCharge')}~C.")
    d.p("¿Por qué el mayor candidato? Las cargas que son múltiplos enteros de //e// también son "
        "múltiplos enteros de //e///2, //e///3, …; los datos solo pueden mostrar la mayor porción que "
        "todas ellas comparten. Por eso el método tiene límites, y conviene que los conozcas:")
    d.bullet("**Solo múltiplos pares.** Si todas las gotitas que has medido llevan 2~//e// o 4~//e//, "
             "las cargas son igualmente múltiplos enteros de 2~//e//, y la estimación es 2~//e//. "
             "Ningún método puede distinguir //e// de 2~//e// con esos datos. Busca gotitas cuyas "
             "cargas queden entre los grupos, o cambia en una //e// la carga de una gotita con la "
             "fuente ionizante (apartado 10).")
    d.bullet("**Casi todas del mismo múltiplo.** Unos datos en los que casi todas las cargas son el "
             "mismo múltiplo (por ejemplo, todas cerca de 2~//e//) son igual de ambiguos: la "
             "estimación es ese múltiplo. Mide muchas gotitas distintas.")
    d.bullet("**Gotitas grandes con cargas pequeñas.** El campo cambia muy poco la velocidad de una "
             f"gotita grande: una gotita de 1,5~µm cae a {F('speed_15')}~µm/s con la fuente apagada, "
             f"y una carga elemental con 500~V solo la cambia en {F('change_per_e_15')}~µm/s. Su "
             "carga es entonces la pequeña diferencia entre dos velocidades grandes, y en ella "
             "dominan los errores del cronometraje. Prefiere las gotitas pequeñas, y una tensión "
             "invertida que haga bajar claramente la gotita (moverse hacia abajo en la imagen).")
    d.p("Comprueba la estimación con el histograma: las barras deberían quedar sobre las líneas "
        "discontinuas. Una barra a medio camino entre dos líneas es una carga que hay que volver a "
        "medir.")

    d.h1("10. La fuente ionizante")
    d.p("Una fuente ionizante (en el experimento real, una fuente débil de rayos X o una fuente "
        "radiactiva) produce iones en el aire, y las gotitas que los captan cambian de carga. En el "
        "programa, un pulso (F9, o Medida → Ionizar) funciona así: cada gotita de la cámara, con una "
        "probabilidad de 1/3, gana o pierde exactamente una carga elemental, con la misma "
        "probabilidad una cosa que otra; las demás conservan su carga. El pulso no mueve nada: las "
        "posiciones, las velocidades y los radios siguen como estaban, pero en un campo una gotita "
        "cuya carga ha cambiado adquiere al instante su nueva velocidad.")
    d.p("Así, una carga puede llegar a ser 0 (la gotita ya no reacciona al campo) o negativa. La "
        "fuerza eléctrica //q U/////d// cambia de signo con //q//: el campo invertido que empuja una "
        "gotita positiva en contra del peso empuja una negativa a favor del peso. Por eso una gotita "
        "negativa se mueve en sentido contrario en el campo: con la polaridad invertida cae más "
        "deprisa, hacia arriba en la imagen, y solo la polaridad positiva puede equilibrarla. Por "
        "ejemplo, con −500~V una gotita de 1~µm con una carga elemental se mueve hacia arriba en la "
        f"imagen a {F('speed_10_1e_reversed')}~µm/s, y con una carga elemental negativa a "
        f"{F('speed_10_minus1e_reversed')}~µm/s. El cuaderno da a esa gotita una carga negativa; la "
        "estimación la cuenta por su valor absoluto.")
    d.p("La primera fila que anotas después de un pulso lleva la marca ⚡ junto a su número de fila, "
        "en la tabla y en el informe: las cargas de antes y de después pueden ser distintas.")
    d.p("**Un experimento: una carga cambia en una //e//.**")
    d.num("1.", "Sigue una gotita (haz clic en ella) y cronometra su caída con la fuente apagada (F5, "
          "F6, F8): así obtienes su radio.")
    d.num("2.", "Aplica una tensión invertida, por ejemplo de 500~V, y cronometra la gotita en el "
          "campo: su carga aparece en el cuaderno.")
    d.num("3.", "Dispara pulsos (F9) de uno en uno y observa la gotita hasta que su velocidad en el "
          "campo cambie de golpe. Con 500~V, una carga elemental cambia la velocidad en "
          f"{F('change_per_e_05')}~µm/s para una gotita de 0,5~µm y en {F('change_per_e_10')}~µm/s "
          "para una de 1~µm. Un pulso solo cambia la carga de una gotita dada una vez de cada tres, "
          "por término medio.")
    d.num("4.", "Vuelve a cronometrar la gotita en el campo: su nueva carga se diferencia de la "
          "anterior en una carga elemental, sea cual sea el número de cargas que llevaba. Repítelo "
          "unas cuantas veces.")

    d.h1("11. Errores de medida")
    d.h2("11.1. El cronometraje")
    d.p("El visor del cronómetro trunca el tiempo en la décima de segundo (apartado 3.5), y tus "
        "reacciones al poner en marcha y al parar añaden más error. Ambos pesan menos cuanto más larga "
        "es la medida: cronometra muchas divisiones y repite. Las velocidades del propio programa son "
        f"algo menores que las de la fórmula, un {F('shortfall_10')}~% para una gotita de 1~µm y como "
        f"mucho un {F('shortfall_largest')}~% "
        "(apartado 5). Cronometra solo cuando haya cesado la deriva de una inyección, y después de un "
        "cambio de temperatura espera a que el termómetro se quede quieto; el cuaderno tiene en "
        "cuenta la temperatura de cada fila.")

    d.h2("11.2. El movimiento browniano")
    d.p("Las moléculas del aire golpean sin cesar unas gotitas tan pequeñas, que por eso tiemblan. El "
        "programa no lo "
        "tiene en cuenta salvo que actives Medida → Movimiento browniano (el profesor puede activarlo "
        "desde el principio, apartado 8.5). Entonces, en cada paso de 1~ms de la simulación, cada "
        "gotita se desplaza además una cantidad aleatoria en X y otra en Y, independientes, tomadas de "
        "una distribución normal de desviación típica √(2~//D h//), donde //h//~=~1~ms y")
    d.formula(f"//D//~=~//k//_{{B}}~//T//~/~(6~π~η~//r//),~~~~~//k//_{{B}}~=~"
              f"{F('constant_Boltzmann')}~J/K")
    d.p("es el coeficiente de difusión de la gotita, con la temperatura //T// y la viscosidad η de "
        "ese momento. Los pasos se suman: al cabo de un tiempo //t//, el desplazamiento a lo largo de "
        "un eje tiene una dispersión de √(2~//D t//), mayor para las gotitas pequeñas y el aire "
        "caliente. A 20~°C:")
    d.table([["//r// (µm)", "√(2~//D t//) al cabo de 1~s (µm)", "30~divisiones con la fuente apagada (s)",
              "temblor a lo largo de las 30~divisiones (µm)", "error relativo de la velocidad (%)"]] + [
        [F.num(r, 1), F(f"brownian_{k}"), F(f"brownian_time_{k}"), F(f"brownian_path_{k}"),
         F(f"brownian_relative_{k}")]
        for r, k in ((0.5, "05"), (1.0, "10"), (1.5, "15"))
    ], [1100, 2000, 2000, 2000, 2000], align=["c"] * 5)
    d.p("**Qué significa para una medida de tiempo.** Una gotita cronometrada a lo largo de un "
        "recorrido //L// con velocidad //v// tarda //L/////v//; en ese tiempo el temblor añade al "
        "recorrido, o le quita, unos √(2~//D L/////v//), de modo que la velocidad tiene un error "
        "relativo de alrededor de √(2~//D//~/~(//L v//)). Para una gotita de 0,5~µm cronometrada a lo "
        f"largo de 30~divisiones es del {F('brownian_relative_05')}~%, mucho más que el error del "
        "cronómetro.")
    d.p("**Cómo compensarlo promediando.** El temblor es aleatorio, así que se compensa al promediar:")
    d.bullet("Cronometra a lo largo de un recorrido más largo: el error relativo disminuye como "
             "1/√//L//, así que con un recorrido cuatro veces mayor se reduce a la mitad.")
    d.bullet("Repite la medida y toma la media: //n// medidas hacen el error √//n// veces menor. El "
             "cuaderno ya toma la media de los radios de una gotita obtenidos de todas sus caídas con "
             "la fuente apagada.")
    d.bullet("Las gotitas más grandes tiemblan menos y se mueven más deprisa, así que su error "
             "relativo es menor; en el campo, una tensión que haga bajar claramente la gotita hace que "
             "la diferencia de velocidades sea grande frente al temblor.")
    d.p(f"Una gotita equilibrada también se desplaza al azar: una de 0,5~µm se aparta unos "
        f"{F('brownian_05_watch')}~µm en 25~s. Con el movimiento browniano activado, juzga el "
        "equilibrio por si la gotita deriva de forma continua hacia un lado, no por si se queda sobre "
        "una división.")

    d.h2("11.3. Aire real: el deslizamiento de las gotitas pequeñas")
    d.p("La ley de Stokes describe una esfera en un fluido continuo. Una gotita de 0,5 a 1,5~µm no es "
        "mucho mayor que el recorrido libre medio de las moléculas del aire (unos 0,07~µm a la "
        "presión ambiente): se desliza entre ellas y cae más deprisa de lo que dice la ley de Stokes, "
        "tanto más cuanto más enrarecido está el aire. Con **Medida → Aire real** la cámara contiene "
        "aire real a una presión //p//, y el rozamiento sobre una gotita de radio //r// es el de "
        "Stokes dividido entre el factor de deslizamiento")
    d.formula(f"//C//~=~1~+~//b//~/~(//p r//),~~~~~//b//~=~{F('constant_SlipConstant')}×10^{{−3}}~Pa·m")
    d.p("de modo que la caída con la fuente apagada y la velocidad que añade el campo aumentan ambas "
        "en el factor //C//, y con el movimiento browniano activado el //D// del temblor aumenta en el "
        "mismo factor. La densidad del aire depende de la presión además de la temperatura: la "
        "ρ_{aire} de antes se multiplica por //p//~/~101,325~kPa. El factor de deslizamiento:")
    d.table([["//r// (µm)", "101,3~kPa", "20~kPa", "1~kPa"]] + [
        [F.num(r, 1), F(f"slip_{k}_1013"), F(f"slip_{k}_20"), F(f"slip_{k}_1")]
        for r, k in ((0.5, "05"), (1.0, "10"), (1.5, "15"))
    ], [1500, 1800, 1800, 1800], align=["c"] * 4)
    d.p("**La casilla de la presión.** Mientras el aire real está activado, una casilla bajo el "
        f"microscopio muestra la presión de la cámara en kPa, {F('constant_StartPressure')} al empezar. "
        "Escribe una presión de 1 a 110~kPa, o cámbiala de 1 en 1~kPa con los botones de flecha (o "
        "con las flechas arriba y abajo del teclado). Como con la temperatura, cada número que "
        "escribes se aplica al instante; un número fuera del intervalo, o algo que no sea un número, "
        "deja en vigor la última presión válida, y al pulsar Intro o salir de la casilla se muestra "
        "la presión en vigor. Cada fila que anota el cuaderno guarda la presión de ese momento (su "
        "columna Presión, pressure_kPa en el archivo).")
    d.p("**Dos análisis.** Para un cuaderno cronometrado con aire real, la ventana del cuaderno y el "
        "informe dan dos resultados, y cada uno dice de qué análisis se trata:")
    d.bullet(f"**Con la corrección por deslizamiento**, con //b//~=~{F('constant_SlipConstant')}×10^{{−3}}~Pa·m: "
             "el radio obtenido de la velocidad de caída //v//_{0} resuelve exactamente "
             "//r//^{2}~+~(//b/////p//)~//r//~=~9~η~//v//_{0}~/~(2~(ρ_{aceite}~−~ρ_{aire})~//g//), "
             "y cada carga se calcula con el mismo factor, "
             "//q//~=~6~π~η~//r d//~(//v//~−~//v//_{0})~/~(//U C//). El histograma y la estimación "
             "de //e// (apartado 9) usan estas cargas.")
    d.bullet("**Extrapolado a 1/(//p r//)~=~0**, que no presupone ningún valor de //b//. Calculada "
             "solo con la ley de Stokes, cada carga sale demasiado grande en un factor //C//^{3/2}: "
             "su carga aparente //q//_{ap} cumple (//q//_{ap}~/~//n//)^{2/3}~=~"
             "//e//^{2/3}~(1~+~//b//~/~(//p r//)), una recta frente a 1/(//p r//). El cuaderno "
             "representa (//q//_{ap}~/~//n//)^{2/3} de cada carga frente a 1/(//p r//) (//n// es su "
             "número entero de //e//, contado primero a partir de las cargas corregidas y después a "
             "partir de la propia recta), ajusta una recta por mínimos cuadrados, y da //e// como la "
             "ordenada en el origen elevada a 3/2 y //b// como la pendiente dividida entre la ordenada "
             "en el origen, cada una con su incertidumbre. Como el propio //r// depende de //b//, "
             "parte de los radios de Stokes y vuelve a calcular los radios con la //b// de la recta "
             "hasta que //b// se estabiliza. Una carga cuenta si su gotita también ha caído con la "
             "fuente apagada a la misma presión; la recta necesita al menos 4 gotitas y dos o más "
             "valores de 1/(//p r//).")
    d.p("**Cómo medir.** Cronometra gotitas a la presión ambiente, baja luego la presión (a 20~kPa, "
        "por ejemplo) y cronometra más: los puntos del aire enrarecido quedan muy a la derecha y "
        "fijan la pendiente. En aire enrarecido las gotitas caen mucho más deprisa, así que "
        "cronométralas a lo largo de recorridos largos. Para un cuaderno así, **tessilar --report** "
        "imprime una segunda línea después de la estimación, "
        "«extrapolated: e = … C +- … C, b = … Pa m +- … Pa m from //N// droplets», o "
        "«extrapolated: too few droplets».")

    d.h1("12. Consejos prácticos")
    d.bullet("Después de una inyección espera a que cese la deriva: mide solo cuando las gotitas se "
             "muevan en línea recta hacia arriba o hacia abajo, paralelas a la línea vertical de la "
             "retícula.")
    d.bullet("Con la fuente apagada las gotitas más grandes salen del campo en pocos segundos. Para "
             "mantener gotitas a la vista, aplica una tensión invertida poco después de la inyección. "
             "Puedes volver a inyectar en cualquier momento para tener gotitas nuevas.")
    d.bullet("Con la barra de desplazamiento vertical puedes llevar una gotita al borde inferior o "
             "superior del campo y cronometrarla así a lo largo de un recorrido más largo. No muevas "
             "la barra mientras cronometras.")
    d.bullet("Cuanto más largo sea el recorrido (20–35 divisiones) y cuantas más veces repitas una "
             "medida, menos importa el error de lectura de 0,1~s. Con el método de equilibrio, el "
             "error relativo de la carga es de alrededor de vez y media el error relativo de la "
             "velocidad.")
    d.bullet("Una gotita que no reacciona al encender y apagar la fuente no tiene carga.")
    d.bullet("Haz clic en la gotita antes de cronometrarla, y dale a cada gotita al menos una caída "
             "con la fuente apagada: sin ella, el cuaderno no puede calcular su radio ni su carga.")
    d.bullet("Para el cronómetro (F6) antes de anotar la medida (F8), y comprueba el sentido de la "
             "fila nueva.")
    d.bullet("Después de un cambio de temperatura espera alrededor de un minuto hasta que "
             "la columna del termómetro se quede quieta, y usa en tus cálculos la η y la ρ_{aire} de "
             "la nueva temperatura.")
    d.bullet("Con el movimiento browniano activado, cronometra a lo largo de recorridos largos y "
             "repite cada medida (apartado 11.2).")

    d.h1("13. Ejercicios")
    d.num("1.", "**Cuantización de la carga.** Mide la carga de al menos 10 (mejor 20) gotitas "
          "distintas con cualquiera de los dos métodos. Representa las cargas sobre una recta "
          "numérica o en un histograma (el cuaderno dibuja uno). Comprueba que "
          "los valores se agrupan y que son múltiplos enteros de una misma porción de carga. "
          "Determina con ellos la carga elemental y su incertidumbre, y compárala con la estimación "
          f"del cuaderno y con {F('constant_ElemCharge')}~C.")
    d.num("2.", "**Comparación de los dos métodos.** Mide la carga de la misma gotita por el método de "
          "equilibrio y por el método dinámico. ¿Cuál es más preciso y por qué?")
    d.num("3.", "**El efecto de la temperatura.** Equilibra una gotita a 20~°C y mide //v//_{0}; luego "
          "pon el termostato a 80~°C y espera a que la columna del termómetro se quede quieta. "
          "¿Tienes que cambiar la tensión de equilibrio? Vuelve a medir //v//_{0}. Explica por qué "
          "cambia la velocidad y por qué la tensión de equilibrio apenas cambia. (Pista: en el "
          "programa una gotita de 1~µm tiene una //v//_{0} de "
          f"{F('speed_10_at_0')}~µm/s a 0~°C, {F('speed_10_at_20')} a 20~°C, {F('speed_10_at_50')} a "
          f"50~°C y {F('speed_10_at_100')}~µm/s a 100~°C). ¿Qué error cometerías si usaras en tus "
          "cálculos la viscosidad a 20~°C?")
    d.num("4.", "**La deriva.** Justo después de una inyección observa las gotitas frente a las "
          "divisiones horizontales. ¿Cuánto se desplazan hacia la izquierda y con qué rapidez? Estima "
          "la constante de tiempo de la deriva. "
          f"¿Por qué debe extinguirse la deriva ({F('drift_stop')}~s) antes de cronometrar una gotita, "
          "y qué error "
          "cometerías si cronometraras durante el primer segundo?")
    d.num("5.", "**El límite del método de equilibrio.** Calcula el radio máximo con el que una gotita "
          "con 1, 2 o 3 cargas elementales todavía se puede equilibrar con 1000~V. (Solución: unos "
          f"{F('largest_balanced_1e')}, {F('largest_balanced_2e')} y {F('largest_balanced_3e')}~µm).")
    d.num("6.", "**Una carga cambia.** Haz el experimento del apartado 10 con dos gotitas. Comprueba que "
          "cada salto de la carga es de una carga elemental, sea cual sea su sentido.")
    d.num("7.", "**Movimiento browniano.** Activa el movimiento browniano. Cronometra diez veces una "
          "gotita pequeña y lenta a lo largo de 30~divisiones con la fuente apagada, y calcula la "
          "media y la desviación típica de las velocidades. Compara la desviación típica relativa con "
          "√(2~//D//~/~(//L v//)) para el radio de la gotita (para una gotita de 0,5~µm es de "
          f"alrededor del {F('brownian_relative_05')}~%). Después cronométrala diez veces a lo largo de "
          "10~divisiones: ¿cómo cambia la dispersión?")

    d.num("8.", "**Aire real.** Activa el aire real. Cronometra al menos cuatro gotitas a 101,3~kPa y "
          "cuatro a 20~kPa, cada una cayendo con la fuente apagada y bajando en un campo invertido. "
          "Calcula a mano la carga de una gotita solo con la ley de Stokes (apartado 6) y compárala "
          "con la carga corregida del cuaderno. ¿Cuánto se apartan la //e// y la //b// de la "
          f"extrapolación de {F('constant_ElemCharge')}~C y de {F('constant_SlipConstant')}×10^{{−3}}~Pa·m?")

    d.h2("Hoja de registro")
    d.p("Para trabajar a mano, por ejemplo cuando los cálculos del cuaderno están desactivados:")
    d.table([
        ["Gotita", "//N// (divisiones)", "//t//_{0} (s)", "//v//_{0} (µm/s)", "//r// (µm)",
         "//U// (V)", "//v//_{1} (µm/s)", "//q// (10^{−19}~C)", "//q/////e//"],
    ] + [[str(i), "", "", "", "", "", "", "", ""] for i in range(1, 7)],
        [900, 1000, 850, 1050, 850, 850, 1050, 1250, 700], align=["c"] * 9)
