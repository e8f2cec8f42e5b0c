// The Spanish texts of the catalogue.
#include "catalogue/Tables.h"

namespace loc {

void FillSpanish(TStringTable& table)
{
    typedef TStringTable::value_type T;
    table.insert(T(5, L"Añadir"));
    table.insert(T(6, L"Añadir archivos"));
    table.insert(T(7, L"Añade archivos a la lista de archivos del audiolibro."));
    table.insert(T(8, L"Quitar"));
    table.insert(T(9, L"Quitar archivo"));
    table.insert(T(10, L"Quita el archivo seleccionado de la lista de archivos del audiolibro."));
    table.insert(T(11, L"Dividir"));
    table.insert(T(12, L"Dividir audiolibro"));
    table.insert(T(13, L"Divide los archivos del audiolibro."));
    table.insert(T(20, L"Duración de pista"));
    table.insert(T(21, L"Prefijo de pista"));
    table.insert(T(22, L"Pista"));
    table.insert(T(23, L"Ayuda"));
    table.insert(T(24, L"Muestra la ayuda de Vellomar."));
    table.insert(T(25, L"Acerca de Vellomar"));
    table.insert(T(26, L"Muestra información sobre Vellomar."));
    table.insert(T(27, L"Salir"));
    table.insert(T(28, L"Cierra el programa."));
    table.insert(T(29, L"Archivos MP3 del audiolibro"));
    table.insert(T(30, L"Etiqueta ID3"));
    table.insert(T(31, L"Dividir"));
    table.insert(T(32, L"Opciones"));
    table.insert(T(33, L"Progreso"));
    table.insert(T(34, L"¡Bienvenido a Vellomar!"));
    table.insert(T(37, L"Todos los derechos reservados"));
    table.insert(T(38, L"Este programa es software libre y se distribuye bajo la licencia GPL."));
    table.insert(T(39, L"Agradecimientos especiales a:"));
    table.insert(T(40, L"Para más información, visite nuestro sitio web:"));
    table.insert(T(41, L"Seleccione la carpeta de destino"));
    table.insert(T(42, L"Se escribió «%s»"));
    table.insert(T(43, L"El audiolibro se dividió correctamente."));
    table.insert(T(44, L"¡Cancelado por el usuario!"));
    table.insert(T(45, L"Se produjo un error: %s."));
    table.insert(T(46, L"Añadir archivos de audiolibro"));
    table.insert(
        T(47, L"La carpeta %s no está vacía. ¿Desea sobrescribir los archivos existentes si es necesario?"));
    table.insert(T(48, L"Archivos MP3"));
    table.insert(T(49, L"Todos los archivos"));
    table.insert(T(50, L"Se añadió %s."));
    table.insert(T(51, L"Se quitó %s."));
    table.insert(T(52, L"min"));
    table.insert(T(53, L"s"));
    table.insert(T(54, L"ms"));
    table.insert(T(55, L"Duración mínima de pista cambiada a %d minutos."));
    table.insert(T(56, L"Duración mínima de pista cambiada a %d segundos."));
    table.insert(T(57, L"Dividiendo %s ..."));
    table.insert(T(58, L"Dividiendo ..."));
    table.insert(T(59, L"Cancele primero la división en curso."));
    table.insert(T(60, L"¿Realmente desea salir?"));
    table.insert(T(61, L"Nombre base de las pistas cambiado a «%s»."));
    table.insert(T(62, L"Ayúdenos con un donativo"));
    table.insert(T(67, L"No se encontró el archivo %s."));
    table.insert(T(68, L"No se pudo abrir el archivo %s."));
    table.insert(T(69, L"No se encontró la carpeta %s."));
    table.insert(T(70, L"No se pudo abrir la carpeta %s."));
    table.insert(T(71, L"Error al inicializar el decodificador de audio."));
    table.insert(T(72, L"Error al leer el archivo."));
    table.insert(T(73, L"Error al escribir el archivo."));
    table.insert(T(74, L"Error al abrir el archivo."));
    table.insert(T(75, L"El archivo de audio de entrada está dañado."));
    table.insert(T(76, L"Error en el motor de división."));
    table.insert(T(77, L"Se produjo un error inesperado."));
    table.insert(T(79, L"¿Desea guardar el archivo de registro?"));
    table.insert(T(80, L"Guardar archivo de registro"));
    table.insert(T(87, L"Traducción al español del equipo de Vellomar."));
    table.insert(T(90, L"Ayuda de Vellomar"));
    table.insert(T(91,
        L"<br><br>"
        L"<h5>Introducción</h5>"
        L"<p>Vellomar es un programa que divide archivos MP3 largos de audiolibros en archivos más "
        L"pequeños sin volver a codificarlos, de modo que el sonido se conserva intacto. Encuentra los "
        L"puntos de división automáticamente detectando los silencios entre las frases, así ninguna pista "
        L"empieza ni termina en medio de una palabra.</p>"
        L"<p>El programa sirve para todo tipo de contenido hablado, como audiolibros, conferencias, "
        L"radionovelas o podcasts. Los archivos más pequeños son mucho más fáciles de recorrer en los "
        L"reproductores portátiles, y su interfaz sencilla funciona bien con lectores de pantalla y "
        L"magnificadores de pantalla.</p>"
        L"<br><br>"
        L"<i>Cita de la Wiki de Vellomar, la enciclopedia del propio proyecto.</i>"
        L"<br><br>"
        L"<h5>Cómo usar el programa</h5>"
        L"<p>Vellomar está pensado para grabaciones MP3 largas de voz. La música con pocas pausas no se "
        L"presta a la división en los silencios.</p>"
        L"<p><b>Primero</b> añada uno o varios archivos MP3 a la lista. Si un audiolibro consta de varios "
        L"archivos, compruebe que estén en el orden correcto.</p>"
        L"<p><b>Segundo</b> inicie la división y elija la carpeta en la que se escribirán los archivos "
        L"nuevos. Una ventana de progreso muestra el avance de la división.</p>"
        L"<br><br>"
        L"<h5>Los controles</h5>"
        L"<p>Si deja el puntero del ratón un momento sobre un control, aparece un breve recordatorio de su "
        L"función.</p>"
        L"<dl>"
        L"<dt><b>Añadir archivos</b></dt><dd>Añade archivos MP3 a la lista de archivos del audiolibro.</dd>"
        L"<dt><b>Dividir audiolibro</b></dt><dd>Divide los archivos de la lista en pistas más cortas.</dd>"
        L"<dt><b>Duración de pista</b></dt><dd>Fija la duración de las pistas, entre 15 segundos y 80 "
        L"minutos.</dd>"
        L"<dt><b>Ayuda</b></dt><dd>Muestra esta página de ayuda.</dd>"
        L"<dt><b>Acerca de Vellomar</b></dt><dd>Muestra la versión y los autores del programa.</dd>"
        L"<dt><b>Salir</b></dt><dd>Cierra el programa.</dd>"
        L"</dl>"
        L"<b>Atajos de teclado</b><br>"
        L"Añadir archivos: Ctrl + O<br>"
        L"Quitar el archivo seleccionado: Supr<br>"
        L"Dividir: Ctrl + S<br>"
        L"Cancelar la división: ESC<br>"
        L"Ayuda: F1<br>"
        L"Salir: Alt + F4<br>"));
    table.insert(T(92,
        L"Se necesita su ayuda:\nLa traducción al español de la aplicación aún está incompleta.\n"
        L"Póngase en contacto con los autores y apoye el proyecto."));
    table.insert(T(93, L"Ajustes predefinidos"));
    table.insert(T(94, L"Audiolibro"));
    table.insert(T(95, L"Podcast (silencios cortos con ruido de fondo)"));
    table.insert(T(96, L"Por tiempo (división exacta sin detección de silencios)"));
    table.insert(T(97, L"Por pausas (división en cada pausa)"));
    table.insert(T(98, L"Ajustes personalizados"));
    table.insert(T(99, L"lo más corto posible"));
    table.insert(T(100, L"Opciones de división"));
    table.insert(T(101, L"Detección de silencios"));
    table.insert(T(103, L"Definición de silencio"));
    table.insert(T(104, L"Nivel de ruido"));
    table.insert(T(105, L"bajo"));
    table.insert(T(106, L"medio"));
    table.insert(T(107, L"alto"));
    table.insert(T(108, L"automático"));
    table.insert(T(109, L"Duración mínima"));
    table.insert(T(111, L"Modo automático"));
    table.insert(T(112, L"Ajustes predeterminados"));
    table.insert(T(113, L"Opciones de creación"));
    table.insert(T(114, L"Crear etiquetas ID3"));
    table.insert(T(115, L"Versión"));
    table.insert(T(116, L"ID3v1.1"));
    table.insert(T(117, L"ID3v2.3"));
    table.insert(T(118, L"ID3v1.1 e ID3v2.3"));
    table.insert(T(119, L"Contenido"));
    table.insert(T(120, L"Generar el título a partir del nombre del archivo de audio"));
    table.insert(T(121, L"Generar el nombre del álbum a partir del título"));
    table.insert(T(122, L"Título"));
    table.insert(T(123, L"Álbum"));
    table.insert(T(124, L"Género"));
    table.insert(T(125, L"Palabra hablada"));
    table.insert(T(126, L"Audiolibro"));
    table.insert(T(127, L"Autor"));
    table.insert(T(128, L"Comentario"));
    table.insert(T(129, L"Ejemplo:"));
    table.insert(T(130, L"Posición del número de pista"));
    table.insert(T(131, L"Añadir el número de pista al principio del título"));
    table.insert(T(132, L"Añadir el número de pista al final del título"));
    table.insert(T(133, L"Formato del número de pista"));
    table.insert(T(134, L"sin ceros a la izquierda"));
    table.insert(T(135, L"2 dígitos"));
    table.insert(T(136, L"3 dígitos"));
    table.insert(T(137, L"4 dígitos"));
    table.insert(T(138, L"General"));
    table.insert(T(140, L"Gestión de archivos"));
    table.insert(T(141, L"Gestión de carpetas"));
    table.insert(T(142, L"Guardar los ajustes y recordar las carpetas"));
    table.insert(T(143, L"Unir los archivos antes de dividir"));
    table.insert(T(144, L"Dividir los archivos por separado"));
    table.insert(T(145, L"Crear lista de reproducción"));
    table.insert(
        T(146, L"Crear automáticamente una subcarpeta para los archivos divididos en la carpeta de destino"));
    table.insert(T(147, L"Usar la carpeta de origen como destino predeterminado"));
}

} // namespace loc
