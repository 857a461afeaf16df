# French half of the guide. "~" is a non-breaking space; F("name") prints a figure of figures.py.

def write(d, F):
    d.set_lang(1036)
    d.title("Tessilar")
    d.subtitle("Mesurer la charge élémentaire avec des gouttelettes d'huile – guide de travaux pratiques")

    d.h1("1. But de l'expérience")
    d.p("L'expérience de la goutte d'huile met en évidence une propriété fondamentale de la charge "
        "électrique~: la charge d'un corps ne peut pas prendre n'importe quelle valeur, elle est toujours "
        "un multiple entier d'une plus petite quantité de charge, la **charge élémentaire** (//e//). On "
        "pulvérise de minuscules gouttelettes d'huile, d'environ un micromètre, entre les deux armatures "
        "horizontales d'un condensateur plan, et on les observe au microscope de mesure. Chaque "
        "gouttelette est soumise à son poids, à la poussée d'Archimède de l'air, à la force de frottement "
        "de l'air et, lorsqu'une tension est appliquée entre les armatures, à la force électrique. Les "
        "vitesses des gouttelettes et la tension entre les armatures permettent de calculer le rayon et "
        "la charge de chaque gouttelette, et les charges permettent d'en déduire la charge élémentaire.")
    d.p(f"Tessilar simule cette expérience. La chambre contient {F('constant_DropletCount')} gouttelettes à la fois~; vous réglez la "
        "tension entre les armatures de 0 à 1000~V et la température de la chambre de 0 à 100~°C, et vous "
        "chronométrez les gouttelettes avec le chronomètre du programme. Chaque chronométrage est inscrit "
        "dans le cahier de mesures du programme, qui calcule le rayon et la charge de chaque gouttelette "
        "et en déduit une estimation de la charge élémentaire~; vous pouvez aussi faire ces calculs à la "
        "main. Le programme utilise les constantes physiques et les lois données au §~4~: vos résultats "
        "peuvent donc être vérifiés exactement à partir d'elles.")

    d.h1("2. Lancement du programme")
    d.p("Le programme démarre avec ses textes hongrois, sauf si le professeur a choisi le français pour "
        "la séance (ligne **Language=Français** de la section **[Settings]**, §~8.5)~; le §~3.6 explique "
        "comment passer au français~: menu Súgó → Nyelv… (Aide → Langue…), puis «~Français~». Au "
        "démarrage, une petite fenêtre («~Saisie de l'identifiant~», «~Azonosító beadása~» avec les "
        "textes hongrois) demande votre identifiant, par exemple votre nom ou le code de votre groupe. OK "
        "(ou Entrée) poursuit~; «~Annuler~» («~Mégse~» en hongrois) ou la fermeture de la fenêtre met fin "
        "au programme. L'identifiant apparaît dans la barre de titre de la fenêtre principale "
        "(«~Expérience Tessilar~~~/~~~identifiant~», avec les textes hongrois «~Tessilar-kísérlet"
        "~~~/~~~identifiant~»)~: une capture d'écran montre ainsi qui a fait la mesure.")
    d.note("**Important~:** l'identifiant donne aussi son nom à votre cahier de mesures. Chaque "
           "chronométrage que vous notez y est inscrit aussitôt et conservé sur l'ordinateur, et quand "
           "vous relancez le programme avec le même identifiant, écrit de la même façon, le cahier "
           "revient (§~8). Rien d'autre n'est conservé~: les gouttelettes, la tension et la température "
           "repartent de zéro à chaque lancement. Notez aussi dans vos propres notes ce que vous avez "
           "fait~; le cahier ne contient que les relevés.")

    d.h1("3. Le dispositif et ses commandes")
    d.p("À gauche de la fenêtre principale se trouve le champ rond du microscope avec ses deux barres de "
        "défilement~; à côté, le thermostat avec la colonne du thermomètre~; à droite, les uns sous les "
        "autres, les panneaux de la pulvérisation, du chronomètre, de l'alimentation et de la sortie. Le "
        "cahier de mesures a sa propre fenêtre (§~8). Les noms des boutons et des panneaux cités "
        "ci-dessous sont ceux des textes français du programme.")

    d.h2("3.1. Le microscope de mesure et son champ")
    d.p("Dans le champ noir et circulaire du microscope, les gouttelettes apparaissent comme de petits "
        f"points jaunes. À l'écran, **1~pixel correspond à {F('constant_PixelSize')}~µm** de la chambre. Une gouttelette "
        "n'est affichée que si elle se trouve à moins de 200~µm du centre du champ~: on voit donc à la "
        "fois une zone d'environ 0,4~mm de diamètre.")
    d.p("Le champ porte une croix blanche, le réticule gradué. Ses deux traits portent **une graduation "
        "tous les 10~µm**~; une graduation sur deux (tous les 20~µm) est plus longue, ce qui facilite le "
        "comptage. Les graduations s'étendent jusqu'à 190~µm du centre dans chaque direction. On mesure "
        "le trajet d'une gouttelette en comptant les divisions~: //N// divisions correspondent à un "
        "trajet de //N//~×~10~µm.")
    d.note("**Le microscope donne une image renversée.** Les gouttelettes qui tombent réellement se "
           "déplacent **vers le haut** dans l'image. Dans ce guide, «~haut~» et «~bas~» désignent "
           "toujours les directions vues dans l'image~; le poids est donc dirigé vers le haut de "
           "l'image.")
    d.p("**Barres de défilement.** La barre horizontale sous le champ et la barre verticale à côté de "
        "lui déplacent le champ quand vous voulez suivre une gouttelette. Un pas (par exemple un clic sur "
        "une flèche de la barre) déplace le champ de 4~µm~; en position médiane, le champ est dans sa "
        "position de départ, et les deux positions extrêmes en sont à 200~µm. L'affichage à côté de "
        "chaque barre indique la position de la barre en millimètres, de 0,000 à 0,400~mm (0,200~mm au "
        "milieu~; selon le système, l'affichage peut utiliser un point décimal~: 0.200~mm). Déplacer le "
        "curseur d'une barre vers la droite (vers le bas) déplace les gouttelettes vers la droite (vers "
        "le bas) dans l'image.")
    d.p("**Suivre une gouttelette.** Cliquez sur une gouttelette dans le champ pour la suivre~: un clic "
        "à moins de 6~pixels du centre d'une gouttelette choisit la gouttelette la plus proche, et son "
        "point devient rouge. Le programme numérote ses gouttelettes de 1 à 100, et le numéro de la "
        "gouttelette suivie est inscrit dans chaque chronométrage que vous notez~: le cahier sait ainsi "
        "quelles lignes appartiennent à la même gouttelette (§~8). Dès que le cahier contient des "
        "chronométrages, les gouttelettes d'une nouvelle pulvérisation sont numérotées à partir de la "
        "centaine suivante (101, 102, … ou 201, 202, …), pour qu'une nouvelle gouttelette ne soit jamais "
        "prise pour une ancienne de même numéro. Un clic "
        "sur une partie vide du champ, ou la touche Échap dans la fenêtre principale, arrête le suivi. "
        "La gouttelette reste rouge quand vous faites défiler le champ, et quand elle quitte le champ "
        "puis y revient~; une pulvérisation arrête le suivi, puisque les gouttelettes sont nouvelles.")

    d.h2("3.2. Pulvérisation")
    d.p("Le bouton **Pulvériser l'huile** envoie 100 nouvelles gouttelettes d'huile dans la chambre~; "
        "les gouttelettes précédentes disparaissent. Les gouttelettes ont des rayons aléatoires de 0,5 à "
        "1,5~µm. La pulvérisation donne à chaque gouttelette une charge positive de 1, 2 ou 3 charges "
        "élémentaires, ou aucune~: environ un quart des gouttelettes ne sont pas chargées. Elles "
        "apparaissent autour du champ, dans une zone d'environ 0,8~mm de large et 0,8~mm de haut, et "
        "partent du repos.")
    d.p("La pulvérisation met aussi l'air en mouvement~: après une pulvérisation, l'air **entraîne les "
        f"gouttelettes vers la gauche**. Cette dérive commence à {F('constant_DriftVX')}~mm/s et s'amortit "
        f"rapidement, avec une constante de temps de {F('constant_DriftTau')}~s~; au total, les gouttelettes "
        f"sont entraînées d'environ {F('drift_path')}~mm vers la gauche. Au bout de 2 à 3~s, elle est à "
        f"peine perceptible, et {F('drift_stop')}~s après la pulvérisation elle a complètement cessé. Une "
        "pulvérisation ramène aussi le champ dans sa position de départ et les barres de défilement au "
        "milieu (0,200~mm), et plus aucune gouttelette n'est suivie.")

    d.h2("3.3. L'alimentation")
    d.p("Le panneau **Tension** est l'alimentation du condensateur. Les armatures sont distantes de "
        f"//d//~=~{F('constant_PlateGap_cm')}~cm~: une tension //U// crée donc entre elles un champ "
        f"électrique d'intensité //E//~=~//U/////d// ({F('field_500')}~V/m sous 500~V).")
    d.bullet("**Zone de saisie de la tension~:** tapez-y la valeur de la tension en volts, sous forme de "
             "nombre entier de 0 à 1000~V~; elle s'applique au fur et à mesure de la frappe. Une valeur "
             "supérieure à 1000 devient 1000, une valeur négative 0, et tout ce qui n'est pas un nombre "
             "entier est ignoré (l'alimentation garde la dernière valeur valable). Les **boutons "
             "fléchés** à côté de la zone, ainsi que les touches Haut et Bas dans la zone, font varier "
             "la tension par pas de 2~V à partir du nombre affiché, entre 0 et 995~V.")
    d.bullet("**Bouton M/A** (marche/arrêt) **et voyant~:** mettent l'alimentation en marche ou "
             "l'arrêtent. Le voyant est bleu-vert foncé quand l'alimentation est coupée et vert vif "
             "quand elle est en marche. Alimentation coupée, les armatures sont à 0~V, quoi qu'indique "
             "la zone de saisie.")
    d.bullet("**Bouton Inverser~:** inverse la polarité des armatures. Au "
             "démarrage, la polarité est positive, l'alimentation est coupée et la tension réglée est "
             "de 0~V.")
    d.bullet("**Voltmètre~:** un cadran gradué de −1000~V à +1000~V. Il indique la tension algébrique "
             "réellement appliquée aux armatures~: en polarité positive, l'aiguille dévie vers la "
             "droite, en polarité inversée vers la gauche, et alimentation coupée elle reste verticale "
             "(0~V).")
    d.note("En polarité positive (aiguille à droite), la force électrique pousse les gouttelettes "
           "chargées positivement **dans le même sens** que le poids, vers le haut de l'image~: elles "
           "montent plus vite. Pour équilibrer une gouttelette, il faut donc **inverser la polarité** "
           "(aiguille à gauche)~; la force électrique s'oppose alors au poids.")

    d.h2("3.4. Thermostat et thermomètre")
    d.p("Tapez la température de consigne de la chambre, en degrés Celsius, dans la zone de saisie du "
        "panneau **Température**, de 0 à 100~°C, avec un point décimal si nécessaire (par exemple 35.5~; "
        "la virgule n'est pas comprise). Le thermostat prend chaque nombre en compte au fur et à mesure "
        "de la frappe, et la zone garde votre texte tel que vous l'avez tapé. Quand vous appuyez sur "
        "Entrée ou quittez la zone, elle affiche la température de consigne avec deux décimales "
        "(35.50)~: une valeur supérieure à 100 devient 100.00, une valeur négative 0.00, et une zone "
        "laissée vide ou ne contenant pas de nombre affiche de nouveau la température de consigne. Les "
        "boutons fléchés, ainsi que les touches Haut et Bas dans la zone, font varier la température "
        "par degrés entiers et la règlent aussitôt. Le thermomètre du panneau (graduation de 0 à "
        "100~°C) indique la température **actuelle** de l'air de la chambre. Au démarrage, la chambre "
        "est à 20~°C.")
    d.p("L'air n'atteint pas tout de suite la température de consigne~: il s'en approche "
        f"exponentiellement, avec une constante de temps de {F('constant_ThermalTau')}~s. Au bout de "
        f"10~s, {F('temperature_10s')}~% de la variation est effectuée, au bout de 30~s "
        f"{F('temperature_30s')}~%, au bout de 50~s environ {F('temperature_50s')}~%. La viscosité et la "
        "masse volumique de l'air varient avec la température, et donc aussi les vitesses des "
        "gouttelettes (voir les §~4 et~5).")
    d.note("Une pulvérisation ne modifie pas la température de la chambre~: une variation de "
           "température en cours se poursuit simplement après la pulvérisation.")

    d.h2("3.5. Chronomètre")
    d.p("L'affichage du panneau **Chronomètre** indique le temps sous la forme "
        f"minutes:secondes,dixièmes (par exemple {F('stopwatch_example')} signifie 1~minute 15,3~s). "
        "**Start/Reset** démarre le chronomètre à partir de zéro (si on appuie pendant qu'il tourne, il "
        "repart de zéro)~; **Stop** l'arrête, et l'affichage garde la dernière valeur. L'affichage "
        "tronque le temps au dixième de seconde~: une lecture est donc trop courte de 0,1~s au plus, en "
        "plus de votre temps de réaction. Les touches **F5** (Start/Reset) et **F6** (Stop) agissent de "
        "la même façon depuis n'importe quelle fenêtre du programme, et **F8** note la lecture comme "
        "nouvelle ligne du cahier (§~8).")
    d.note("Le chronomètre mesure le **temps propre de la simulation**, en secondes simulées. La "
           "simulation tourne un peu moins vite que le temps réel (au plus aux 10/11 de la vitesse "
           "réelle), plus lentement encore sur un ordinateur chargé. Elle continue de tourner quand un "
           "menu est ouvert, quand la fenêtre du cahier est ouverte ou pendant que vous lisez ce guide, "
           "et elle **s'arrête** seulement tant que la fenêtre À propos, la fenêtre de choix de la "
           "langue ou une fenêtre de fichier du cahier (Exporter en CSV…, Enregistrer le rapport…) est "
           "ouverte. Chronométrez toujours les gouttelettes avec le chronomètre du programme, jamais "
           "avec votre propre montre.")

    d.h2("3.6. Menus, touches de fonction et sortie")
    d.bullet("L'élément de menu **Quitter**, le bouton **Quitter** du panneau de sortie ou la fermeture "
             "de la fenêtre~: met fin au programme. Le cahier n'a pas besoin d'être enregistré~: il est "
             "écrit après chaque modification.")
    d.bullet("Le menu **Mesure**~: **Cahier…** (F7) ouvre la fenêtre du cahier ou la fait passer au "
             "premier plan (§~8)~; **Ioniser** (F9) déclenche une salve de la source ionisante "
             "(§~10)~; **Mouvement brownien** active ou désactive l'agitation thermique des gouttelettes "
             "(§~11.2)~; **Air réel** remplit la chambre d'air réel, dans lequel les petites "
             "gouttelettes glissent entre les molécules de l'air et tombent plus vite que ne le prévoit "
             "la loi de Stokes, et affiche la zone de saisie de la pression sous le microscope "
             "(§~11.3). Une coche devant ces deux éléments indique qu'ils sont activés~; au démarrage, "
             "ils sont désactivés.")
    d.bullet("Le menu **Aide**~: **À propos** affiche les informations sur le programme (la simulation "
             "s'arrête tant que la fenêtre est ouverte)~; **Description** ouvre ce guide avec la "
             "visionneuse de documents RTF du système ou, si le système n'en a pas, dans une fenêtre du "
             "programme~; **Langue…** choisit la langue des textes parmi les dossiers placés à côté du "
             "programme~: «~Français~» pour les textes français, «~English~» pour les textes anglais, "
             "«~Magyar~» pour les textes hongrois (avec les textes hongrois du démarrage, ce menu "
             "s'appelle «~Súgó~» et cet élément «~Nyelv…~»)~; **Réglages du professeur…** fournit "
             "les réglages d'une séance (§~8.5).")
    d.p("Les touches de fonction F5 à F9 agissent depuis n'importe quelle fenêtre du programme, Échap "
        "et Suppr là où l'indique le tableau~:")
    d.table([
        ["Touche", "Effet"],
        ["F5", "démarre le chronomètre à partir de zéro (Start/Reset)"],
        ["F6", "arrête le chronomètre (Stop)"],
        ["F7", "ouvre la fenêtre du cahier ou la fait passer au premier plan"],
        ["F8", "note la lecture du chronomètre comme nouvelle ligne du cahier"],
        ["F9", "déclenche une salve de la source ionisante"],
        ["Échap", "dans la fenêtre principale~: arrête le suivi de la gouttelette"],
        ["Suppr", "dans le tableau du cahier~: supprime les lignes sélectionnées"],
    ], [1300, 6500], align=["c", "l"])

    d.h1("4. Les forces qui s'exercent sur une gouttelette")
    d.p("Considérons une gouttelette d'huile de rayon //r// et de charge //q// qui se déplace à la "
        "vitesse //v// par rapport à l'air. Elle est soumise aux forces suivantes~:")
    d.bullet("le poids~: //P//~=~//m g//~=~(4/3)~π~//r//^{3}~ρ_{huile}~//g//~;")
    d.bullet("la poussée d'Archimède de l'air (opposée au poids)~: //F//_{A}~=~(4/3)~π~//r//^{3}~ρ_{air}~//g//~;")
    d.bullet("la force de frottement de l'air (loi de Stokes, opposée au mouvement)~: //F//_{s}~=~6~π~η~//r v//~;")
    d.bullet("la force électrique~: //F//_{e}~=~//q E//~=~//q U/////d//.")
    d.p("Le poids et la poussée d'Archimède donnent ensemble un «~poids apparent~» de "
        "(4/3)~π~//r//^{3}~(ρ_{huile}~−~ρ_{air})~//g//. Le programme utilise les constantes suivantes~:")
    d.table([
        ["Grandeur", "Symbole", "Valeur dans le programme"],
        ["masse volumique de l'huile", "ρ_{huile}", f"{F('constant_OilDensity')}~kg/m^{{3}}"],
        ["intensité de la pesanteur", "//g//", f"{F('constant_Gravity')}~m/s^{{2}}"],
        ["masse volumique de l'air", "ρ_{air}",
         f"{F('constant_AirDensity0')}~kg/m^{{3}}~×~{F('constant_RefTemp')}~K~/~//T//"],
        ["viscosité de l'air", "η",
         f"{F('constant_ViscSlope')}~×~√//T//~−~{F('constant_ViscOffset')}~Pa·s"],
        ["température absolue", "//T//", f"//t//~(°C)~+~{F('constant_CelsiusOffset')}, en kelvins"],
        ["distance entre les armatures", "//d//",
         f"{F('constant_PlateGap_cm')}~cm~=~{F('constant_PlateGap')}~m"],
        ["charge élémentaire (pour vérification)", "//e//", f"{F('constant_ElemCharge')}~C"],
        ["pixel / division du microscope", "–",
         f"1~pixel~=~{F('constant_PixelSize')}~µm, 1~division~=~10~µm"],
    ], [3200, 1100, 4600], align=["l", "c", "l"])
    d.p(f"À 20~°C (//T//~=~{F('kelvin_20')}~K)~: η~=~{F('viscosity_20')}~Pa·s, "
        f"ρ_{{air}}~=~{F('air_density_20')}~kg/m^{{3}}, "
        f"ρ_{{huile}}~−~ρ_{{air}}~=~{F('density_difference_20')}~kg/m^{{3}}.")
    d.table([["//t// (°C)", "//T// (K)", "η (Pa·s)", "ρ_{air} (kg/m^{3})"]] + [
        [F.num(t), F(f"kelvin_{t}"), F(f"viscosity_{t}"), F(f"air_density_{t}")]
        for t in (0, 20, 50, 100)
    ], [1500, 1500, 2400, 2400], align=["c", "c", "c", "c"])
    d.p(f"La viscosité de l'air augmente donc avec la température (de {F('viscosity_rise')}~% entre 0 "
        "et 100~°C), et sa masse volumique diminue.")

    d.h1("5. Loi de Stokes et vitesse limite")
    d.p("Une sphère de rayon //r// qui se déplace à la vitesse //v// dans un fluide de viscosité η subit "
        "une force de frottement //F//~=~6~π~η~//r v// (loi de Stokes). Une gouttelette accélère jusqu'à "
        "ce que le frottement compense la somme des autres forces~; elle se déplace ensuite à une "
        "**vitesse limite** constante. Pour des gouttelettes d'un "
        f"micromètre, cela prend environ {F('relaxation_10')}~µs~: chaque fois que la tension change, les "
        "gouttelettes prennent leur nouvelle vitesse pratiquement aussitôt.")
    d.p("**Alimentation coupée**, le poids apparent et le frottement se compensent~:")
    d.formula("6~π~η~//r v//_{0}~=~(4/3)~π~//r//^{3}~(ρ_{huile}~−~ρ_{air})~//g//"
              "~~~~~⇒~~~~~//v//_{0}~=~2~//r//^{2}~(ρ_{huile}~−~ρ_{air})~//g//~/~(9~η)")
    d.p("**Alimentation en marche**, la force électrique s'exerce aussi sur une gouttelette chargée, et "
        "sa vitesse varie de //qU//~/~(6~π~η~//r d//)~:")
    d.formula("//v//~=~//v//_{0}~±~//q U//~/~(6~π~η~//r d//)")
    d.p("Le signe «~+~» vaut pour la polarité positive (la gouttelette monte plus vite dans l'image), "
        "le signe «~−~» pour la polarité inversée (la gouttelette monte plus lentement, s'arrête ou se "
        "met à descendre dans l'image). La vitesse d'une gouttelette non chargée ne dépend pas de la "
        "tension.")
    d.p("Quelques vitesses telles que le programme les donne à 20~°C (en µm/s, c'est-à-dire aussi en "
        "pixels par seconde~; les valeurs positives signifient vers le haut de l'image, les valeurs "
        "négatives vers le bas)~:")
    d.table([
        ["//r// (µm)", "//v//_{0}, alimentation coupée", "variation par charge élémentaire sous 500~V",
         "1~//e//, −500~V", "2~//e//, −500~V", "3~//e//, −500~V"],
    ] + [
        [F.num(r, 1), F(f"speed_{k}"), F(f"change_per_e_{k}"), F(f"speed_{k}_1e_reversed"),
         F(f"speed_{k}_2e_reversed"), F(f"speed_{k}_3e_reversed")]
        for r, k in ((0.5, "05"), (1.0, "10"), (1.5, "15"))
    ], [1000, 1500, 2100, 1400, 1400, 1400], align=["c"] * 6)
    d.p(f"Alimentation coupée, une gouttelette de rayon 1~µm monte donc dans l'image à environ "
        f"{F('speed_10_whole')}~µm/s ({F('speed_10_whole')}~pixels par seconde), et une seule charge "
        f"élémentaire sous 500~V change sa vitesse d'environ {F('change_per_e_10_whole')}~µm/s. La "
        f"formule donne //v//_{{0}}~=~{F('formula_speed_10')}~µm/s à 20~°C. Les vitesses du programme "
        "sont un peu plus faibles, parce qu'il déplace les gouttelettes par pas de 1~ms et que chaque "
        "pas perd le court instant dont la gouttelette a besoin pour prendre sa vitesse~: "
        f"{F('shortfall_10')}~% pour une gouttelette de 1~µm et au plus {F('shortfall_largest')}~% pour "
        "les plus grosses gouttelettes, à peu près autant que l'erreur de lecture du chronomètre.")
    d.p("Dans l'expérience réelle, la loi de Stokes demande une correction pour des gouttelettes aussi "
        "petites, car leur taille est comparable au libre parcours moyen des molécules de l'air. Dans la "
        "chambre idéale du programme, telle qu'elle est au démarrage, cet effet n'existe pas, et les "
        "formules ci-dessus s'appliquent telles quelles~; avec l'air réel (§~11.3), les gouttelettes "
        "glissent comme dans l'appareil réel.")

    d.h1("6. Méthodes de mesure")
    d.p("Dans les deux méthodes, on détermine le rayon de la gouttelette à partir de sa vitesse "
        "**alimentation coupée** (//v//_{0}). Chronométrez la durée (//t//_{0}) qu'elle met à parcourir "
        "//N// divisions (un trajet de //N//~×~10~µm)~: //v//_{0}~=~//N//~×~10~µm~/~//t//_{0}. La "
        "formule de la vitesse limite donne alors~:")
    d.formula("//r//~=~√(9~η~//v//_{0}~/~(2~(ρ_{huile}~−~ρ_{air})~//g//))")

    d.h2("(a) Méthode d'équilibre~: immobiliser une gouttelette")
    d.p("Quand la gouttelette reste immobile (en équilibre) alimentation en marche, la force électrique "
        "compense exactement le poids apparent, et il n'y a pas de frottement~:")
    d.formula("//q U/////d//~=~(4/3)~π~//r//^{3}~(ρ_{huile}~−~ρ_{air})~//g//~~~~~⇒~~~~~"
              "//q//~=~(4/3)~π~//r//^{3}~(ρ_{huile}~−~ρ_{air})~//g d//~/~//U//")
    d.p("Ici //U// est la valeur absolue de la tension d'équilibre (en polarité inversée, le voltmètre "
        "l'indique du côté négatif). Étape par étape~:")
    d.num("1.", "Appuyez sur Pulvériser l'huile et attendez que la dérive latérale des gouttelettes ait "
          f"cessé (au moins 3~s, {F('drift_stop')}~s pour un travail précis).")
    d.num("2.", "Mettez l'alimentation en marche, inversez la polarité (l'aiguille dévie vers la gauche) "
          "et réglez par exemple 300~V.")
    d.num("3.", "Choisissez une gouttelette qui se déplace lentement. Ajustez la tension par petits pas "
          "(au clavier ou avec les boutons fléchés) jusqu'à ce que la gouttelette reste sur la même "
          "graduation pendant au moins 20 à 30~s. Notez la tension d'équilibre //U//.")
    d.num("4.", "Avec une tension un peu plus élevée, amenez la gouttelette dans la partie basse du "
          "champ, puis coupez l'alimentation~: la gouttelette se met à monter dans l'image. Chronométrez "
          "la durée de son parcours sur //N// divisions~; vous en déduisez //v//_{0}, puis //r//.")
    d.num("5.", "Calculez la charge avec la formule ci-dessus.")
    d.p("La tension d'équilibre est proportionnelle au cube du rayon de la gouttelette. L'alimentation "
        f"fournit au plus 1000~V~: les gouttelettes de rayon supérieur à environ {F('largest_balanced_short')}~µm "
        "ne peuvent donc pas être équilibrées~; utilisez pour elles la méthode (b). Tensions d'équilibre "
        "à 20~°C~:")
    d.table([["//r// (µm)", "1~//e//", "2~//e//", "3~//e//"]] + [
        [F.num(r, 1)] + [F(f"balancing_{k}_{n}e") + "~V" for n in (1, 2, 3)]
        for r, k in ((0.5, "05"), (0.6, "06"), (0.7, "07"), (0.8, "08"), (1.0, "10"))
    ], [1500, 1800, 1800, 1800], align=["c"] * 4)

    d.h2("(b) Méthode dynamique~: chronométrer le mouvement")
    d.p("Mesurez la vitesse de la même gouttelette alimentation coupée (//v//_{0}) et alimentation en "
        "marche sous la tension //U// (//v//_{1}). En polarité inversée, la force électrique s'oppose au "
        "poids, et les deux bilans des forces s'écrivent~:")
    d.formula("6~π~η~//r v//_{0}~=~(4/3)~π~//r//^{3}~(ρ_{huile}~−~ρ_{air})~//g//~~~~~(alimentation coupée),")
    d.formula("//q U/////d//~−~(4/3)~π~//r//^{3}~(ρ_{huile}~−~ρ_{air})~//g//~=~6~π~η~//r v//_{1}"
              "~~~~~(alimentation en marche),")
    d.p("d'où l'on tire~:")
    d.formula("//q//~=~6~π~η~//r//~(//v//_{0}~+~//v//_{1})~//d//~/~//U//")
    d.p("**Signes~:** //v//_{0} est la vitesse alimentation coupée, vers le haut de l'image~; elle est "
        "positive. //v//_{1} est la vitesse alimentation en marche, comptée positivement **vers le bas de "
        "l'image**~; si la gouttelette monte encore en polarité inversée, mais plus lentement, //v//_{1} "
        "est négative. //U// est la valeur absolue de la tension. Si vous mesurez en polarité positive, "
        "la gouttelette monte plus vite~; //v//_{1} est alors l'opposé de cette vitesse de montée, "
        "c'est-à-dire //q//~=~6~π~η~//r//~(//v//_{M}~−~//v//_{0})~//d//~/~//U//, où //v//_{M} est la "
        "vitesse de montée alimentation en marche. Pour une gouttelette non chargée, "
        "//v//_{1}~=~−//v//_{0}, donc //q//~=~0.")
    d.p("Cette méthode ne demande pas d'équilibre exact et convient aussi aux grosses gouttelettes. En "
        "coupant puis en remettant l'alimentation, vous pouvez faire monter et descendre plusieurs fois "
        "la même gouttelette et répéter la mesure.")

    d.h2("(c) Comment le cahier calcule le rayon et la charge")
    d.p("Le cahier (§~8) utilise les formules du §~5 avec une seule règle de signe pour toutes les "
        "lignes~:")
    d.formula("//v//_{0}~=~2~//r//^{2}~(ρ_{huile}~−~ρ_{air})~//g//~/~(9~η)~~~~~⇒~~~~~"
              "//r//~=~√(9~η~//v//_{0}~/~(2~(ρ_{huile}~−~ρ_{air})~//g//))")
    d.formula("//v//~=~//v//_{0}~+~//q U//~/~(6~π~η~//r//·//d//)~~~~~⇒~~~~~"
              "//q//~=~6~π~η~//r//·//d//·(//v//~−~//v//_{0})~/~//U//")
    d.p("Ici //v// est la vitesse de la ligne, comptée **positivement dans le sens du poids** "
        "(«~chute~», vers le haut de l'image), **négativement en sens inverse** («~montée~», vers le bas "
        "de l'image) et nulle quand la gouttelette est maintenue immobile («~équilibre~»)~; //U// est la "
        "tension **algébrique** entre les armatures, négative en polarité inversée. Avec ces signes, une "
        "seule formule sert aux deux méthodes. Pour une gouttelette en équilibre (//v//~=~0, "
        "//U//~<~0), elle donne la charge de la méthode (a), car 6~π~η~//r v//_{0} est le poids "
        "apparent. Pour une gouttelette qui descend dans un champ électrique inversé (//v//~=~−//v//_{1}, "
        "//U//~=~−|//U//|), elle donne le //q//~=~6~π~η~//r//~(//v//_{0}~+~//v//_{1})~//d//~/~|//U//| "
        "de la méthode (b). Le tableau procède ligne par ligne~:")
    d.bullet("**Vitesse~:** //N//~×~10~µm divisé par la durée~; 0 pour une ligne en équilibre.")
    d.bullet("**Rayon~:** chaque ligne «~chute~» d'une gouttelette alimentation coupée (tension 0) "
             "donne un rayon, à la température propre à cette ligne. La moyenne de ces rayons est le "
             "rayon de la gouttelette, affiché sur toutes les lignes de cette gouttelette~; les lignes "
             "d'une gouttelette sont celles qui portent le même numéro de gouttelette.")
    d.bullet("**Charge~:** chaque ligne de la gouttelette alimentation en marche, chronométrée ou en "
             "équilibre, donne une charge à partir du rayon de la gouttelette et du sens, de la vitesse, "
             "de la tension et de la température propres à la ligne (η, ρ_{air} et //v//_{0} à cette "
             "température).")
    d.bullet("Une cellule qui ne peut pas encore être calculée reste vide~: une ligne sans numéro de "
             "gouttelette, ou une gouttelette qui n'a aucune chute alimentation coupée, n'a ni rayon ni "
             "charge.")
    d.p("La gouttelette de l'exemple traité (§~7), notée comme gouttelette 7, donne ces deux lignes~:")
    d.table([
        ["Gouttelette", "Divisions (//N//)", "Distance (µm)", "Durée (s)", "Sens", "//U// (V)",
         "//t// (°C)", "Vitesse (µm/s)", "Rayon (µm)", "Charge (10^{−19}~C)"],
        ["7", "30", "300", F.reading("example_rise_reading"), "chute", F.num(0), F.num(20, 2),
         F("notebook_fall_speed"), F("notebook_radius"), ""],
        ["7", "10", "100", F.reading("example_fall_reading"), "montée", F.num(-500), F.num(20, 2),
         F("notebook_rise_speed"), F("notebook_radius"), F("notebook_charge")],
    ], [900, 800, 950, 650, 1050, 700, 700, 900, 850, 1050], align=["c"] * 10)
    d.p(f"La première ligne donne //r//~=~√(9~η~×~{F('notebook_fall_speed')}~µm/s~/~"
        f"(2~(ρ_{{huile}}~−~ρ_{{air}})~//g//))~=~{F('notebook_radius')}~µm. Dans la seconde, la gouttelette "
        f"se déplace en sens inverse du poids, donc //v//~=~−{F('notebook_rise_speed')}~µm/s, et //U//~=~−500~V~:")
    d.formula(f"//q//~=~6~π~η~//r//·//d//·(−{F('notebook_rise_speed')}~−~{F('notebook_fall_speed')})"
              f"~µm/s~/~(−500~V)~=~{F('notebook_charge')}×10^{{−19}}~C~≈~{F('notebook_charge_e')}~//e//,")
    d.p("c'est le résultat de la méthode (b) du §~7, à l'arrondi des vitesses près.")

    d.h1("7. Exemple traité")
    d.p(f"La mesure a été faite à 20~°C (η~=~{F('viscosity_20')}~Pa·s, "
        f"ρ_{{huile}}~−~ρ_{{air}}~=~{F('density_difference_20')}~kg/m^{{3}}). Les relevés ci-dessous sont "
        "ceux que le programme donne réellement pour l'une de ses gouttelettes.")
    d.p("**Le rayon.** Alimentation coupée, la gouttelette choisie a parcouru 30~divisions (300~µm) vers "
        f"le haut de l'image pendant que le chronomètre allait jusqu'à {F('example_rise_reading')} (la "
        f"gouttelette a réellement mis {F('example_rise_time')}~s~; l'affichage tronque le reste). Donc "
        f"//v//_{{0}}~=~300~µm~/~{F.reading('example_rise_reading')}~s~=~"
        f"{F('example_v0')}~µm/s~=~{F('example_v0_si')}~m/s, d'où~:")
    d.formula("//r//~=~√(9~η~//v//_{0}~/~(2~(ρ_{huile}~−~ρ_{air})~//g//))~=~"
              f"{F('example_radius')}~m~≈~{F('example_radius_um')}~µm.")
    d.p("Son poids apparent vaut~:")
    d.formula("(4/3)~π~//r//^{3}~(ρ_{huile}~−~ρ_{air})~//g//~=~"
              f"{F('example_weight')}~N.")
    d.p(f"**(a) Méthode d'équilibre.** En polarité inversée, la gouttelette s'est pratiquement arrêtée "
        f"à {F('example_balance')}~V (à {F.num(F.number('example_balance') - 1)}~V, elle montait encore "
        f"d'environ {F('example_rise_below')}~µm par minute, à "
        f"{F.num(F.number('example_balance') + 1)}~V, elle descendait d'environ "
        f"{F('example_sink_above')}~µm par minute dans l'image). La charge vaut~:")
    d.formula(f"//q//~=~{F('example_weight')}~N~×~{F('constant_PlateGap')}~m~/~{F('example_balance')}~V~=~"
              f"{F('example_q_balance')}~C~≈~{F('example_q_balance_e')}~//e//.")
    d.p("La gouttelette porte donc 2 charges élémentaires, ce qui donne "
        f"//e//~≈~{F('example_q_balance')}~C~/~2~=~{F('example_e_estimate')}~C. Le léger excès vient "
        "du chronomètre~: son affichage tronque le temps, si bien que //v//_{0}, et avec elle //r//, "
        "sont un peu trop grands. Un trajet plus long ou des chronométrages répétés réduisent cette "
        "erreur.")
    d.p("**(b) Méthode dynamique.** En polarité inversée sous 500~V, la gouttelette est descendue dans "
        f"l'image et a parcouru 10~divisions (100~µm) en {F('example_fall_reading')}~: "
        f"//v//_{{1}}~=~100~µm~/~{F.reading('example_fall_reading')}~s~=~{F('example_v1')}~µm/s "
        f"(positive, puisqu'elle descend). Avec 6~π~η~//r//~=~{F('example_stokes')}~N·s/m, on obtient~:")
    d.formula(f"//q//~=~{F('example_stokes')}~N·s/m~×~({F('example_v0')}~+~{F('example_v1')})×10^{{−6}}~m/s"
              f"~×~{F('constant_PlateGap')}~m~/~500~V~=~{F('example_q_timing')}~C~≈~"
              f"{F('example_q_timing_e')}~//e//.")
    d.p("Les deux méthodes concordent~: la gouttelette porte 2~//e//. À titre de comparaison, en "
        f"polarité positive sous 500~V, la même gouttelette monterait à {F('example_positive')}~µm/s "
        "dans l'image.")
    d.p(f"**Une gouttelette de rayon 1~µm** monte à environ {F('speed_10')}~µm/s ({F('speed_10_whole')}~pixels "
        f"par seconde) alimentation coupée~: elle parcourt 20~divisions en {F('time_20_ticks_10')}~s "
        "seulement~; chronométrez donc les grosses gouttelettes sur un trajet plus long. Si elle porte "
        f"une charge élémentaire, 500~V changent sa vitesse d'environ {F('change_per_e_10')}~µm/s~: elle "
        f"passe à {F('speed_10_1e_reversed')}~µm/s en polarité inversée et à "
        f"{F('speed_10_1e_positive')}~µm/s en polarité positive.")

    d.h1("8. Le cahier de mesures")
    d.p("La fenêtre du cahier (Mesure → Cahier…, ou F7) conserve vos chronométrages dans un tableau, "
        "une ligne par chronométrage, et en calcule la vitesse, le rayon et la charge. La fenêtre "
        "n'arrête pas la simulation~: gardez-la ouverte à côté de la fenêtre principale pendant vos "
        "mesures.")

    d.h2("8.1. Noter un chronométrage")
    d.num("1.", "Cliquez sur la gouttelette à chronométrer, pour qu'elle devienne rouge (§~3.1).")
    d.num("2.", "Appuyez sur F5 quand la gouttelette passe devant une graduation, et sur F6 quand elle "
          "a parcouru //N// divisions.")
    d.num("3.", "Appuyez sur F8~: une nouvelle ligne apparaît à la fin du tableau, avec la lecture du "
          "chronomètre ainsi que la tension et la température à cet instant.")
    d.num("4.", "Vérifiez le numéro de la gouttelette, le nombre de divisions et le sens dans la "
          "nouvelle ligne, et corrigez-les si nécessaire~: double-cliquez sur la cellule, ou "
          "sélectionnez-la et tapez.")
    d.p("F8 prend ce qu'affiche le chronomètre à cet instant, même s'il tourne~: arrêtez-le d'abord. "
        "Seuls la gouttelette, les divisions et le sens peuvent être modifiés dans le tableau~; la "
        "durée, la tension et la température sont les relevés eux-mêmes.")

    d.h2("8.2. Les colonnes")
    d.table([
        ["Colonne", "Contenu"],
        ["Gouttelette", "le numéro de la gouttelette suivie, ou rien si vous n'en suiviez aucune~; vous "
         "pouvez taper un autre numéro, ou vider la cellule"],
        ["Divisions //N//", "les divisions parcourues~: d'abord le nombre de la ligne précédente, 30 "
         "dans la première ligne~; tapez le nombre que vous avez compté. La distance (colonne "
         "«~Distance~») à côté vaut //N//~×~10~µm."],
        ["Durée", "la lecture du chronomètre telle qu'elle est affichée, en secondes"],
        ["Sens", "**chute**~: dans le sens du poids, vers le haut de l'image~; **montée**~: en sens "
         "inverse du poids, vers le bas de l'image~; **équilibre**~: maintenue immobile, vitesse 0. Une "
         "nouvelle ligne indique «~montée~» quand l'alimentation est en marche en polarité inversée, "
         "et «~chute~» sinon~; choisissez dans la liste quand la gouttelette est allée dans l'autre "
         "sens ou est restée immobile."],
        ["Tension", "la tension algébrique entre les armatures au moment du relevé, en V~: 0 "
         "alimentation coupée, négative en polarité inversée"],
        ["Température", "la température de la chambre au moment du relevé, en °C, avec deux "
         "décimales"],
        ["Vitesse, Rayon, Charge", "calculés comme au §~6 (c)~: "
         "la vitesse en µm/s, le rayon en µm, la charge en 10^{−19}~C~; vides tant qu'ils ne peuvent "
         "pas encore être calculés"],
    ], [2600, 6400], align=["l", "l"])
    d.note("«~Chute~» et «~montée~» désignent le mouvement réel, et non celui de l'image~: dans "
           "l'image renversée, une gouttelette qui tombe se déplace **vers le haut**. Une gouttelette "
           "qui monte encore dans l'image en polarité inversée est en chute, seulement plus lente.")

    d.h2("8.3. Boutons, histogramme et estimation")
    d.bullet("**Supprimer la sélection**, ou la touche Suppr dans le tableau~: supprime les lignes que "
             "vous avez sélectionnées (cliquez sur un numéro de ligne~; Ctrl ou Maj permet d'ajouter "
             "d'autres lignes).")
    d.bullet("**Exporter en CSV…**~: enregistre le tableau sous forme de fichier CSV à l'endroit de "
             "votre choix (le format est décrit au §~8.4).")
    d.bullet("**Enregistrer le rapport…**~: enregistre un PDF au format A4 avec un titre, votre "
             "identifiant, la date et l'heure, le tableau, l'histogramme et l'estimation. C'est ce "
             "document que vous rendez.")
    d.p("Sous le tableau, un **histogramme** montre la répartition des charges selon leur valeur, par "
        "classes de 0,1×10^{−19}~C, de 0 à au moins 6×10^{−19}~C (au-delà si une charge est plus "
        "grande)~; de légers traits pointillés marquent les multiples entiers de l'estimation. En "
        "dessous figure l'**estimation** de la charge élémentaire avec son incertitude, le nombre de "
        "charges sur lequel elle repose et son écart à la valeur admise "
        f"{F('constant_ElemCharge')}~C~; le §~9 explique comment elle est obtenue.")

    d.h2("8.4. Où le cahier est conservé")
    d.p("Chaque identifiant a son propre cahier, le fichier <identifiant>.csv du dossier "
        "$XDG_DATA_HOME/tessilar/notebooks, ou $HOME/.local/share/tessilar/notebooks si la "
        "variable XDG_DATA_HOME n'est pas définie (les caractères qui ne peuvent pas figurer dans un "
        "nom de fichier, comme «~/~», deviennent «~_~»). Le programme écrit le fichier après chaque "
        "modification, en une seule opération, de sorte qu'il contient toujours soit l'ancien "
        "tableau, soit le nouveau, et il le relit quand le même identifiant relance le programme.")
    d.bullet("Un cahier illisible (endommagé, ou modifié à la main sous une autre forme) n'est jamais "
             "écrasé~: il est renommé dans le même dossier en "
             "<identifiant>.damaged-<date-heure>.csv, un message le signale, et un cahier vide "
             "commence. Si même le renommage échoue, le fichier est laissé tel quel, et les lignes de "
             "cette séance restent seulement en mémoire~: enregistrez-les avec Exporter en CSV….")
    d.bullet("Quand le dossier ne peut pas être écrit, un message le signale une fois~; le tableau "
             "continue de fonctionner, et vous pouvez enregistrer ses lignes ailleurs avec Exporter en "
             "CSV….")
    d.p("Le fichier est un tableau CSV (UTF-8, avec «~.~» comme séparateur décimal) que les tableurs "
        "savent ouvrir. Sa première ligne est~:")
    d.formula("droplet,ticks,distance_um,time_s,direction,voltage_V,temperature_C,speed_um_s,"
              "radius_um,charge_1e-19C,student,spray,bursts,pressure_kPa")
    d.p("et chaque ligne suivante est une ligne du tableau, le sens y étant écrit fall (chute), rise "
        "(montée) ou balanced (équilibre). Les quatre dernières cellules indiquent à qui appartenait "
        "la gouttelette~: votre identifiant tel que vous l'avez tapé et, dans une chambre que le code "
        "de classe d'un professeur rend propre à vous (§~8.5), de laquelle de vos pulvérisations elle "
        "venait et combien de salves ionisantes avaient touché cette pulvérisation~; la pression, en "
        "kPa, n'est remplie que pour les lignes chronométrées dans l'air réel (§~11.3). Quand le "
        "programme relit un cahier, il reprend la gouttelette, les divisions, la durée, "
        "le sens, la tension, la température et ces quatre cellules, et recalcule le reste~; un "
        "cahier ne comportant que les dix premières colonnes, comme l'écrivaient les versions "
        "antérieures, s'ouvre toujours. La marque ⚡ "
        "du §~10 est conservée à côté du cahier, dans le fichier <identifiant>.bursts.")

    d.h2("8.5. Pour les professeurs")
    d.p("Des réglages placés dans le fichier Tessilar.ini du dossier du programme (et non d'un dossier "
        "de langue) adaptent le programme à une classe~:")
    d.bullet("**Calculations=0** dans la section **[Notebook]** masque les colonnes du rayon et de la "
             "charge, l'histogramme et l'estimation, afin que les élèves fassent les calculs à la main "
             "(§~6)~; le fichier du cahier et le rapport laissent alors ces colonnes vides.")
    d.bullet("**BrownianMotion=1** dans la section **[Settings]** active le mouvement brownien dès le "
             "démarrage (§~11.2)~; on peut toujours le désactiver dans le menu Mesure.")
    d.bullet("**RealAir=1** dans la section **[Settings]** remplit la chambre d'air réel dès le "
             "démarrage (§~11.3), comme **?realair=1** dans l'adresse de la version pour navigateur~; "
             "on peut toujours le désactiver dans le menu Mesure.")
    d.bullet("**ClassCode=//code//** dans la section **[Assessment]** donne à chaque élève sa propre "
             "chambre~: les gouttelettes des pulvérisations d'un élève et la variation produite par "
             "chaque salve ionisante ne dépendent que du code et de l'identifiant, de la même façon "
             "dans la version pour navigateur (avec **?class=//code//** dans l'adresse), quoi que "
             "fasse l'élève par ailleurs. Le code est un texte quelconque de 64 caractères au plus, "
             "sans balisage ni caractères de contrôle~; un code inutilisable est signalé, et la "
             "chambre est alors remplie au hasard.")
    d.bullet("**Language=Français** dans la section **[Settings]** fait démarrer le programme en "
             "français, et **Droplets=//N//** dans la même section indique combien de gouttelettes un "
             "élève doit chronométrer (8 si rien n'est indiqué)~: la fenêtre du cahier les compte "
             "(«~Gouttelettes chronométrées~: 3 sur 8~»), et sur une plateforme d'apprentissage la "
             "séance est terminée quand elles ont été chronométrées.")
    d.p("**Aide → Réglages du professeur…** rassemble tous ces réglages dans une seule fenêtre et les "
        "fournit sous toutes les formes dont une séance a besoin~: l'adresse de la version pour "
        "navigateur, avec les réglages comme paramètres (tapez l'adresse où vous avez placé la page, "
        "puis **Copier l'adresse**), et son code QR pour les téléphones des élèves~; les lignes de ce "
        "Tessilar.ini~; **Enregistrer la page…**, une copie de la page de la version pour navigateur "
        "contenant les réglages, qui démarre avec eux où qu'on l'ouvre (un paramètre de son adresse "
        "l'emporte toutefois)~; et **Enregistrer le paquet SCORM…**, cette même page emballée pour "
        "l'activité SCORM 1.2 d'une plateforme d'apprentissage. Sur la plateforme, la page "
        "prend le nom de l'apprenant comme identifiant, conserve le cahier sur la plateforme après "
        "chaque modification (et le retrouve lors d'une tentative ultérieure ou sur un autre "
        "appareil), et signale la séance comme terminée, avec une note égale à la part des "
        "gouttelettes chronométrées, ainsi que chaque charge et l'estimation de //e//. Un cahier trop "
        "volumineux pour les 4096 caractères de la plateforme, ou une plateforme qui le refuse, est "
        "signalé une fois, et le cahier reste dans le navigateur. Les réglages en vigueur sont "
        "affichés dans la fenêtre À propos. Le paquet d'installation du programme place la page et le "
        "paquet SCORM dans /usr/share/tessilar/web.")
    d.p("Le code donne à des élèves honnêtes des chambres distinctes, et le corrigé montre alors "
        "quelles lignes ont été copiées, inventées ou mal lues. Ce n'est pas un verrou~: un élève qui "
        "démonterait le programme pourrait reconstituer une chambre.")
    d.p("La commande **tessilar --report NOTEBOOK.csv REPORT.pdf** écrit au format PDF le rapport du "
        "fichier de cahier d'un élève, sans ouvrir de fenêtre (l'identifiant qui y figure est le nom "
        "du fichier), et affiche l'estimation de //e//. Pour un cahier illisible, elle indique le "
        "fichier et la ligne, et n'écrit pas de PDF.")
    d.p("**tessilar --class-report CLASS.pdf --class-code //code// NOTEBOOK.csv …** réunit les cahiers "
        "d'une classe dans un seul rapport et y ajoute le **corrigé**~: chaque ligne est comparée à ce "
        "que la chambre de son élève contenait réellement à cet instant. Les pages de chaque élève se "
        "terminent par un tableau des lignes, avec le rayon et la charge vrais de la gouttelette, la "
        "charge que donne la ligne et un verdict~: //juste// (la charge de la ligne est la plus proche "
        "du vrai multiple entier), //mal lue// (la ligne vient bien de cette gouttelette, mais sa "
        "charge est plus proche d'un autre multiple), //de cette chambre// (pas de charge à juger) ou "
        "//pas de cette chambre// (sa vitesse s'écarte de plus de 25~% de la vitesse que la "
        "gouttelette avait réellement, comme pour une ligne copiée ou inventée). Le tableau de la "
        "classe indique, pour chaque élève, combien de lignes correspondent à sa chambre et combien "
        "de charges sont justes, et marque comme copie un cahier dont les lignes nomment un autre "
        "élève, ou qui partage avec le cahier d'un autre élève des lignes qui correspondent mieux à "
        "la chambre de celui-ci. Comme les lignes nomment leur élève, un cahier renommé en chemin "
        "(«~anna (1).csv~») est quand même comparé à la chambre de son élève. Dans la version pour "
        "navigateur, la zone «~Code de classe~» de la fenêtre du cahier fait de même pour son bouton "
        "«~Rapport de classe…~».")

    d.h1("9. Estimer la charge élémentaire")
    d.p("Le cahier estime //e// à partir de toutes les charges de son tableau, comme vous le feriez à "
        "partir de l'histogramme~: il cherche la plus grande quantité de charge dont presque toutes les "
        "charges mesurées sont des multiples entiers. Les charges prises en compte~:")
    d.bullet("Les charges inférieures à 0,3×10^{−19}~C en valeur absolue appartiennent à des "
             "gouttelettes non chargées (ce qu'on mesure n'est alors que l'erreur) et sont écartées.")
    d.bullet("Une charge négative compte par sa valeur absolue.")
    d.bullet("S'il reste moins de 3 charges, ou moins de 3 charges proches de multiples entiers de la "
             "valeur trouvée, la fenêtre indique que les données sont insuffisantes.")
    d.p("La méthode, étape par étape~:")
    d.num("1.", "La valeur candidate //e// part de 1,2 fois la plus petite charge et diminue par petits "
          "pas (0,1~% à la fois). On retient le premier candidat, c'est-à-dire le plus grand, pour "
          "lequel au moins 90~% des charges sont à moins de 0,2~//e// d'un multiple entier //n e// "
          "(//n//~=~1, 2, 3, …). Si aucun candidat n'y parvient, on retient celui qui convient au plus "
          "grand nombre de charges.")
    d.num("2.", "Chaque charge suffisamment proche est divisée par son //n//, et la moyenne de ces "
          "valeurs //q/////n// devient le nouveau //e//. Cette étape est faite deux fois, car le "
          "nouveau //e// peut changer les charges qui sont proches d'un multiple.")
    d.num("3.", "L'incertitude est l'écart type de la moyenne des valeurs //q/////n//~: leur écart type "
          "divisé par la racine carrée de leur nombre. La fenêtre indique aussi combien de charges ont "
          f"été utilisées, et l'écart à {F('constant_ElemCharge')}~C.")
    d.p("Pourquoi le plus grand candidat~? Des charges qui sont des multiples entiers de //e// sont "
        "aussi des multiples entiers de //e///2, //e///3, …~; les données ne peuvent montrer que la "
        "plus grande quantité qu'elles ont toutes en commun. La méthode a donc des limites, qu'il faut "
        "connaître~:")
    d.bullet("**Seulement des multiples pairs.** Si toutes les gouttelettes mesurées portent 2~//e// ou "
             "4~//e//, les charges sont tout aussi bien des multiples entiers de 2~//e//, et "
             "l'estimation donne 2~//e//. Aucune méthode ne peut distinguer //e// de 2~//e// avec de "
             "telles données. Cherchez des gouttelettes dont la charge tombe entre les groupes, ou "
             "modifiez d'un //e// la charge d'une gouttelette avec la source ionisante (§~10).")
    d.bullet("**Presque toutes au même multiple.** Des données où presque toutes les charges sont le "
             "même multiple (par exemple toutes voisines de 2~//e//) sont tout aussi ambiguës~: "
             "l'estimation donne ce multiple. Mesurez beaucoup de gouttelettes différentes.")
    d.bullet("**Grosses gouttelettes peu chargées.** Le champ électrique ne modifie que peu la vitesse "
             f"d'une grosse gouttelette~: une gouttelette de 1,5~µm tombe à {F('speed_15')}~µm/s "
             f"alimentation coupée, et une charge élémentaire sous 500~V ne change cette vitesse que de "
             f"{F('change_per_e_15')}~µm/s. Sa charge est alors la petite différence de deux grandes "
             "vitesses, et les erreurs de chronométrage l'emportent. Préférez les petites gouttelettes, "
             "et une tension inversée qui fait nettement descendre la gouttelette (vers le bas de "
             "l'image).")
    d.p("Vérifiez l'estimation sur l'histogramme~: les barres doivent se trouver sur les traits "
        "pointillés. Une barre à mi-chemin entre deux traits correspond à une charge à mesurer de "
        "nouveau.")

    d.h1("10. La source ionisante")
    d.p("Une source ionisante (une faible source de rayons X ou une source radioactive dans "
        "l'expérience réelle) crée des ions dans l'air, et les gouttelettes qui en captent changent de "
        "charge. Dans le programme, une salve (F9, ou Mesure → Ioniser) agit ainsi~: chaque gouttelette "
        "de la chambre, avec une probabilité de 1/3, gagne ou perd exactement une charge élémentaire, "
        "les deux cas étant équiprobables~; les autres gardent leur charge. La salve ne déplace rien~: "
        "les positions, les vitesses et les rayons restent inchangés, mais, dans un champ électrique, "
        "une gouttelette dont la charge a changé prend aussitôt sa nouvelle vitesse.")
    d.p("Une charge peut ainsi devenir nulle (la gouttelette ne réagit plus au champ électrique) ou "
        "négative. La force électrique //q U/////d// change de signe avec //q//~: le champ inversé qui "
        "pousse une gouttelette positive contre le poids pousse une gouttelette négative dans le sens "
        "du poids. Une gouttelette négative se déplace donc en sens contraire dans le champ "
        "électrique~: en polarité inversée, elle tombe plus vite, vers le haut de l'image, et seule la "
        "polarité positive peut l'équilibrer. Par exemple, sous −500~V, une gouttelette de 1~µm "
        f"portant une charge élémentaire se déplace vers le haut de l'image à {F('speed_10_1e_reversed')}~µm/s, "
        f"et avec une charge élémentaire négative à {F('speed_10_minus1e_reversed')}~µm/s. Le cahier "
        "attribue à une telle gouttelette une charge négative~; l'estimation la compte par sa valeur "
        "absolue.")
    d.p("La première ligne que vous notez après une salve porte la marque ⚡ à côté de son numéro, "
        "dans le tableau et dans le rapport~: les charges avant et après elle peuvent différer.")
    d.p("**Une expérience~: une charge change d'un //e//.**")
    d.num("1.", "Suivez une gouttelette (cliquez dessus) et chronométrez sa chute alimentation coupée "
          "(F5, F6, F8)~: vous obtenez son rayon.")
    d.num("2.", "Mettez en marche une tension inversée, par exemple 500~V, et chronométrez la "
          "gouttelette dans le champ électrique~: sa charge apparaît dans le cahier.")
    d.num("3.", "Déclenchez des salves (F9) une à une, et observez la gouttelette jusqu'à ce que sa "
          "vitesse dans le champ change brusquement. Sous 500~V, une charge élémentaire change la "
          f"vitesse de {F('change_per_e_05')}~µm/s pour une gouttelette de 0,5~µm et de "
          f"{F('change_per_e_10')}~µm/s pour une gouttelette de 1~µm. En moyenne, une salve ne change "
          "la charge d'une gouttelette donnée qu'une fois sur trois.")
    d.num("4.", "Chronométrez de nouveau la gouttelette dans le champ~: sa nouvelle charge diffère de "
          "l'ancienne d'une charge élémentaire, quel que soit le nombre de charges qu'elle portait. "
          "Recommencez plusieurs fois.")

    d.h1("11. Erreurs de mesure")
    d.h2("11.1. Chronométrage")
    d.p("L'affichage du chronomètre tronque le temps au dixième de seconde (§~3.5), et vos réactions "
        "au départ et à l'arrêt ajoutent leur part. Les deux pèsent d'autant moins que le chronométrage "
        "est long~: chronométrez sur beaucoup de divisions, et répétez. Les vitesses propres du "
        "programme sont un peu plus faibles que celles de la formule, "
        f"de {F('shortfall_10')}~% pour une gouttelette de 1~µm et de {F('shortfall_largest')}~% au plus "
        "(§~5). Ne chronométrez qu'une fois terminée la dérive d'une pulvérisation, et, après un "
        "changement de température, attendez que le thermomètre soit stable~; le cahier tient compte "
        "de la température de chaque ligne.")

    d.h2("11.2. Mouvement brownien")
    d.p("Des gouttelettes aussi petites sont bousculées par les molécules de l'air~: elles s'agitent. "
        "Le programme néglige cet effet, sauf si vous activez Mesure → Mouvement brownien (un professeur "
        "peut l'activer dès le démarrage, §~8.5). À chaque pas de 1~ms de la simulation, chaque "
        "gouttelette se déplace alors en plus d'une quantité aléatoire en X et en Y, indépendamment, "
        "tirée d'une loi normale d'écart type √(2~//D h//), où //h//~=~1~ms et où le coefficient de "
        "diffusion de la gouttelette vaut~:")
    d.formula(f"//D//~=~//k//_{{B}}~//T//~/~(6~π~η~//r//),~~~~~//k//_{{B}}~=~"
              f"{F('constant_Boltzmann')}~J/K")
    d.p("avec la température //T// et la viscosité η de l'instant considéré. Les pas s'additionnent~: "
        "au bout d'une durée //t//, le déplacement selon un axe a une dispersion de √(2~//D t//), "
        "d'autant plus grande que la gouttelette est petite et l'air chaud. À 20~°C~:")
    d.table([["//r// (µm)", "√(2~//D t//) au bout de 1~s (µm)", "30~divisions alimentation coupée (s)",
              "agitation sur les 30~divisions (µm)", "erreur relative sur la vitesse (%)"]] + [
        [F.num(r, 1), F(f"brownian_{k}"), F(f"brownian_time_{k}"), F(f"brownian_path_{k}"),
         F(f"brownian_relative_{k}")]
        for r, k in ((0.5, "05"), (1.0, "10"), (1.5, "15"))
    ], [1100, 2000, 2000, 2000, 2000], align=["c"] * 5)
    d.p("**Conséquence pour un chronométrage.** Une gouttelette chronométrée sur un trajet //L// à la "
        "vitesse //v// met //L/////v// à le parcourir~; pendant ce temps, l'agitation ajoute au trajet "
        "ou lui retranche environ √(2~//D L/////v//), si bien que la vitesse a une erreur relative "
        "d'environ √(2~//D//~/~(//L v//)). Pour une "
        f"gouttelette de 0,5~µm chronométrée sur 30~divisions, cela fait {F('brownian_relative_05')}~%, "
        "bien plus que l'erreur du chronomètre.")
    d.p("**Comment s'en affranchir.** L'agitation est aléatoire, et elle se compense donc en moyenne~:")
    d.bullet("Chronométrez sur un trajet plus long~: l'erreur relative décroît comme 1/√//L//, si bien "
             "qu'un trajet quatre fois plus long la divise par deux.")
    d.bullet("Répétez le chronométrage et prenez la moyenne~: //n// chronométrages rendent l'erreur "
             "√//n// fois plus petite. Le cahier fait déjà la moyenne des rayons d'une gouttelette sur "
             "toutes ses chutes alimentation coupée.")
    d.bullet("Les grosses gouttelettes s'agitent moins et vont plus vite~: leur erreur relative est "
             "plus petite~; dans le champ électrique, une tension qui fait nettement descendre la "
             "gouttelette rend la différence de vitesse grande devant l'agitation.")
    d.p(f"Une gouttelette en équilibre se déplace elle aussi au hasard~: une gouttelette de 0,5~µm "
        f"s'écarte d'environ {F('brownian_05_watch')}~µm en 25~s. Avec le mouvement brownien activé, "
        "jugez l'équilibre à ce que la gouttelette dérive ou non régulièrement dans un sens, et non à "
        "ce qu'elle reste sur une graduation.")

    d.h2("11.3. Air réel~: le glissement des petites gouttelettes")
    d.p("La loi de Stokes décrit une sphère dans un fluide continu. Une gouttelette de 0,5 à 1,5~µm "
        "n'est pas beaucoup plus grande que le libre parcours moyen des molécules de l'air (environ "
        "0,07~µm à la pression ambiante)~: elle glisse entre elles et tombe plus vite que ne le prévoit "
        "la loi de Stokes, et cela d'autant plus que l'air est raréfié. Avec **Mesure → Air réel**, la "
        "chambre contient de l'air réel à une pression //p//, et la force de frottement sur une "
        "gouttelette de rayon //r// est celle de Stokes divisée par le facteur de glissement~:")
    d.formula(f"//C//~=~1~+~//b//~/~(//p r//),~~~~~//b//~=~{F('constant_SlipConstant')}×10^{{−3}}~Pa·m")
    d.p("si bien que la vitesse de chute alimentation coupée et la vitesse ajoutée par le champ "
        "électrique sont toutes deux multipliées par //C//, et que, avec le mouvement brownien activé, "
        "le //D// de l'agitation est multiplié par le même facteur. La masse volumique de l'air suit "
        "la pression aussi bien que la température~: le ρ_{air} ci-dessus est multiplié par "
        "//p//~/~101,325~kPa. Le facteur de glissement~:")
    d.table([["//r// (µm)", "101,3~kPa", "20~kPa", "1~kPa"]] + [
        [F.num(r, 1), F(f"slip_{k}_1013"), F(f"slip_{k}_20"), F(f"slip_{k}_1")]
        for r, k in ((0.5, "05"), (1.0, "10"), (1.5, "15"))
    ], [1500, 1800, 1800, 1800], align=["c"] * 4)
    d.p("**La zone de saisie de la pression.** Tant que l'air réel est activé, une zone sous le "
        f"microscope indique la pression de la chambre en kPa, {F('constant_StartPressure')} au début "
        "d'une séance. Tapez une pression de 1 à 110~kPa, ou faites-la varier par pas de 1~kPa avec "
        "les boutons fléchés (ou les touches Haut et Bas). Comme pour la température, chaque nombre "
        "tapé s'applique aussitôt~; un nombre hors de cet intervalle, ou l'absence de nombre, laisse en "
        "vigueur la dernière pression valable, et Entrée ou la sortie de la zone affiche la pression en "
        "vigueur. Chaque ligne notée dans le cahier garde la pression de cet instant (sa colonne "
        "Pression, pressure_kPa dans le fichier).")
    d.p("**Deux analyses.** Pour un cahier chronométré dans l'air réel, la fenêtre du cahier et le "
        "rapport donnent deux résultats, chacun précisant de quelle analyse il s'agit~:")
    d.bullet(f"**Corrigé du glissement** avec //b//~=~{F('constant_SlipConstant')}×10^{{−3}}~Pa·m~: "
             "le rayon déduit de la vitesse de chute //v//_{0} est la solution exacte de "
             "//r//^{2}~+~(//b/////p//)~//r//~=~9~η~//v//_{0}~/~(2~(ρ_{huile}~−~ρ_{air})~//g//), "
             "et chaque charge est calculée avec le même facteur, "
             "//q//~=~6~π~η~//r d//~(//v//~−~//v//_{0})~/~(//U C//). L'histogramme et l'estimation "
             "de //e// (§~9) utilisent ces charges.")
    d.bullet("**Extrapolé à 1/(//p r//)~=~0**, ce qui ne suppose aucune valeur de //b//. Calculée avec "
             "la seule loi de Stokes, chaque charge est trop grande d'un facteur //C//^{3/2}~: sa charge "
             "apparente //q//_{a} vérifie (//q//_{a}~/~//n//)^{2/3}~=~//e//^{2/3}~(1~+~//b//~/~(//p r//)), "
             "une droite en fonction de 1/(//p r//). Le cahier trace (//q//_{a}~/~//n//)^{2/3} de chaque "
             "charge en fonction de 1/(//p r//) (//n// est son nombre entier de //e//, compté d'abord "
             "d'après les charges corrigées, puis d'après la droite elle-même), ajuste une droite par la "
             "méthode des moindres carrés, et donne //e// comme l'ordonnée à l'origine élevée à la "
             "puissance 3/2 et //b// comme le quotient de la pente par l'ordonnée à l'origine, chacun "
             "avec son incertitude. Comme //r// dépend lui-même de //b//, il part des rayons de Stokes "
             "et recalcule les rayons avec le //b// de la droite jusqu'à ce que //b// se stabilise. Une "
             "charge compte quand sa gouttelette est aussi tombée alimentation coupée à la même "
             "pression~; la droite demande au moins 4 gouttelettes et au moins deux valeurs de "
             "1/(//p r//).")
    d.p("**Comment mesurer.** Chronométrez des gouttelettes à la pression ambiante, puis abaissez la "
        "pression (à 20~kPa, par exemple) et chronométrez-en d'autres~: les points de l'air raréfié se "
        "placent loin à droite et fixent la pente. Dans l'air raréfié, les gouttelettes tombent "
        "beaucoup plus vite~: chronométrez-les donc sur de longs trajets. Pour un tel cahier, "
        "**tessilar --report** affiche une seconde ligne après l'estimation, "
        "«~extrapolated: e = … C +- … C, b = … Pa m +- … Pa m from //N// droplets~», ou "
        "«~extrapolated: too few droplets~».")

    d.h1("12. Conseils pratiques")
    d.bullet("Après une pulvérisation, attendez la fin de la dérive~: ne mesurez que lorsque les "
             "gouttelettes montent ou descendent verticalement, parallèlement au trait vertical du "
             "réticule.")
    d.bullet("Alimentation coupée, les grosses gouttelettes quittent le champ en quelques secondes. "
             "Pour garder des gouttelettes en vue, mettez en marche une tension inversée peu après la "
             "pulvérisation. Vous pouvez pulvériser de nouveau à tout moment pour avoir des "
             "gouttelettes neuves.")
    d.bullet("Avec la barre de défilement verticale, vous pouvez amener une gouttelette au bord "
             "inférieur ou supérieur du champ, et la chronométrer ainsi sur un trajet plus long. Ne "
             "déplacez pas la barre pendant un chronométrage.")
    d.bullet("Plus le trajet est long (20 à 35 divisions) et plus vous répétez un chronométrage, moins "
             "l'erreur de lecture de 0,1~s compte. Avec la méthode d'équilibre, l'erreur relative sur "
             "la charge vaut environ une fois et demie l'erreur relative sur la vitesse.")
    d.bullet("Une gouttelette qui ne réagit pas quand vous mettez l'alimentation en marche ou la "
             "coupez n'est pas chargée.")
    d.bullet("Cliquez sur la gouttelette avant de la chronométrer, et donnez à chaque gouttelette au "
             "moins une chute alimentation coupée~: sans elle, le cahier ne peut calculer ni son rayon "
             "ni sa charge.")
    d.bullet("Arrêtez le chronomètre (F6) avant de noter le chronométrage (F8), et vérifiez le sens de "
             "la nouvelle ligne.")
    d.bullet("Après un changement de température, attendez environ une minute que "
             "la colonne du thermomètre soit stable, et utilisez dans vos calculs les valeurs de η et "
             "de ρ_{air} à la nouvelle température.")
    d.bullet("Avec le mouvement brownien activé, chronométrez sur de longs trajets et répétez chaque "
             "chronométrage (§~11.2).")

    d.h1("13. Exercices")
    d.num("1.", "**Quantification de la charge.** Mesurez la charge d'au moins 10 (mieux~: 20) "
          "gouttelettes différentes, par l'une ou l'autre méthode. Reportez les charges sur un axe ou "
          "sous forme d'histogramme (le cahier en trace un). Montrez que "
          "les valeurs se regroupent et que ces groupes sont des multiples entiers d'une même quantité "
          "de charge. Déduisez-en la charge élémentaire et son incertitude, et comparez-la à "
          f"l'estimation du cahier et à {F('constant_ElemCharge')}~C.")
    d.num("2.", "**Comparaison des deux méthodes.** Mesurez la charge d'une même gouttelette par la "
          "méthode d'équilibre et par la méthode dynamique. Laquelle est la plus précise, et "
          "pourquoi~?")
    d.num("3.", "**Influence de la température.** Équilibrez une gouttelette à 20~°C et mesurez "
          "//v//_{0}~; réglez ensuite le thermostat sur 80~°C et attendez que la colonne du thermomètre "
          "soit stable. Faut-il modifier la tension d'équilibre~? Mesurez de nouveau //v//_{0}. "
          "Expliquez pourquoi la vitesse change et pourquoi la tension d'équilibre ne change presque "
          "pas. (Indication~: dans le programme, une gouttelette de 1~µm a une vitesse //v//_{0} de "
          f"{F('speed_10_at_0')}~µm/s à 0~°C, {F('speed_10_at_20')} à 20~°C, {F('speed_10_at_50')} à "
          f"50~°C et {F('speed_10_at_100')}~µm/s à 100~°C.) Quelle erreur commettriez-vous en "
          "utilisant dans vos calculs la viscosité à 20~°C~?")
    d.num("4.", "**La dérive.** Juste après une pulvérisation, observez les gouttelettes par rapport aux "
          "graduations horizontales. De combien se déplacent-elles vers la gauche, et à quelle "
          "vitesse~? Estimez la constante de temps de la dérive. "
          f"Pourquoi faut-il que la dérive se soit éteinte ({F('drift_stop')}~s) avant de chronométrer "
          "une gouttelette, et quelle erreur "
          "commettriez-vous en chronométrant pendant la première seconde~?")
    d.num("5.", "**La limite de la méthode d'équilibre.** Calculez le plus grand rayon pour lequel une "
          "gouttelette portant 1, 2 ou 3 charges élémentaires peut encore être équilibrée avec "
          "1000~V. (Réponse~: environ "
          f"{F('largest_balanced_1e')}, {F('largest_balanced_2e')} et {F('largest_balanced_3e')}~µm.)")
    d.num("6.", "**Une charge qui change.** Faites l'expérience du §~10 avec deux gouttelettes. Montrez "
          "que chaque saut de la charge vaut une charge élémentaire, dans un sens comme dans l'autre.")
    d.num("7.", "**Mouvement brownien.** Activez le mouvement brownien. Chronométrez dix fois une petite "
          "gouttelette lente sur 30~divisions alimentation coupée, et calculez la moyenne et l'écart "
          "type des vitesses. Comparez l'écart type relatif à √(2~//D//~/~(//L v//)) pour le rayon de "
          "la gouttelette (pour une gouttelette de 0,5~µm, il vaut environ "
          f"{F('brownian_relative_05')}~%). Chronométrez-la ensuite dix fois sur 10~divisions~: "
          "comment la dispersion change-t-elle~?")

    d.num("8.", "**Air réel.** Activez l'air réel. Chronométrez au moins quatre gouttelettes à "
          "101,3~kPa et quatre à 20~kPa, chacune en chute alimentation coupée et en descente dans un "
          "champ électrique inversé. Calculez à la main la charge d'une gouttelette avec la seule loi "
          "de Stokes (§~6), et comparez-la à la charge corrigée du cahier. De combien le //e// et le "
          "//b// de l'extrapolation s'écartent-ils de "
          f"{F('constant_ElemCharge')}~C et de {F('constant_SlipConstant')}×10^{{−3}}~Pa·m~?")

    d.h2("Fiche de relevés")
    d.p("Pour travailler à la main, par exemple quand les calculs du cahier sont désactivés~:")
    d.table([
        ["Gouttelette", "//N// (divisions)", "//t//_{0} (s)", "//v//_{0} (µm/s)", "//r// (µm)",
         "//U// (V)", "//v//_{1} (µm/s)", "//q// (10^{−19}~C)", "//q/////e//"],
    ] + [[str(i), "", "", "", "", "", "", "", ""] for i in range(1, 7)],
        [900, 1000, 850, 1050, 850, 850, 1050, 1250, 700], align=["c"] * 9)
