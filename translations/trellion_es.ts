<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Copyright © The Qt Company Ltd and other contributors. GNU Lesser General Public License v3 (LGPLv3). Linked dynamically; you may replace the Qt libraries. Source: download.qt.io</source>
        <translation>Copyright © The Qt Company Ltd y otros colaboradores. GNU Lesser General Public License v3 (LGPLv3). Enlazado dinámicamente; puede sustituir las bibliotecas de Qt. Código fuente: download.qt.io</translation>
    </message>
    <message>
        <source>Copyright © Gabi Melman. MIT License.</source>
        <translation>Copyright © Gabi Melman. Licencia MIT.</translation>
    </message>
    <message>
        <source>Copyright © Victor Zverovich and {fmt} contributors. {fmt} License (MIT).</source>
        <translation>Copyright © Victor Zverovich y los colaboradores de {fmt}. Licencia de {fmt} (MIT).</translation>
    </message>
    <message>
        <source>Copyright © Daniel Stenberg and many contributors. curl License (MIT/X derivative).</source>
        <translation>Copyright © Daniel Stenberg y muchos colaboradores. Licencia de curl (derivada de MIT/X).</translation>
    </message>
    <message>
        <source>Copyright © The OpenSSL Project Authors. Apache License 2.0. Used by Qt Network and libcurl for encrypted connections.</source>
        <translation>Copyright © The OpenSSL Project Authors. Apache License 2.0. Utilizado por Qt Network y libcurl para las conexiones cifradas.</translation>
    </message>
    <message>
        <source>Montserrat fonts</source>
        <translation>Fuentes Montserrat</translation>
    </message>
    <message>
        <source>Copyright © The Montserrat Project Authors. SIL Open Font License 1.1.</source>
        <translation>Copyright © The Montserrat Project Authors. SIL Open Font License 1.1.</translation>
    </message>
    <message>
        <source>Pictograms from Lucide</source>
        <translation>Pictogramas de Lucide</translation>
    </message>
    <message>
        <source>Copyright © Lucide Contributors; portions copyright © Cole Bemis (Feather). ISC License.</source>
        <translation>Copyright © Lucide Contributors; partes copyright © Cole Bemis (Feather). Licencia ISC.</translation>
    </message>
    <message>
        <source>Trellion %1</source>
        <translation>Trellion %1</translation>
    </message>
    <message>
        <source>Trellion is built with the software and artwork below, each used under its own licence and provided &quot;as is&quot;, without warranty of any kind.</source>
        <translation>Trellion se ha creado con el software y los recursos gráficos que se indican a continuación, cada uno utilizado bajo su propia licencia y proporcionado «tal cual», sin garantía de ningún tipo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About Trellion</source>
        <translation>Acerca de Trellion</translation>
    </message>
    <message>
        <source>Scroll notices</source>
        <translation>Desplazar avisos</translation>
    </message>
</context>
<context>
    <name>ActionMenu</name>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Check displays</source>
        <translation>Comprobar pantallas</translation>
    </message>
</context>
<context>
    <name>AudioOutputRow</name>
    <message>
        <source>Activate audio output</source>
        <translation>Activar salida de audio</translation>
    </message>
    <message>
        <source>Choose which Pods will output audio when routing content to them.</source>
        <translation>Elija qué Pods reproducirán el audio cuando se les envíe contenido.</translation>
    </message>
</context>
<context>
    <name>BlockMenuButton</name>
    <message>
        <source>Block menu</source>
        <translation>Menú del bloque</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Room settings</source>
        <translation>Ajustes del aula</translation>
    </message>
</context>
<context>
    <name>CatalogueSettings</name>
    <message>
        <source>Require
password
on exit</source>
        <translation>Pedir
contraseña
al salir</translation>
    </message>
    <message>
        <source>Show
routing
banners</source>
        <translation>Mostrar
rótulos de
enrutamiento</translation>
    </message>
</context>
<context>
    <name>ClassroomCard</name>
    <message>
        <source>Checking displays…</source>
        <translation>Comprobando pantallas…</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n displays answer</source>
        <translation>
            <numerusform>%1 de %n pantalla en línea</numerusform>
            <numerusform>%1 de %n pantallas en línea</numerusform>
        </translation>
    </message>
    <message>
        <source>Not answering: %1</source>
        <translation>Sin respuesta: %1</translation>
    </message>
    <message>
        <source>Menu of %1</source>
        <translation>Menú de %1</translation>
    </message>
</context>
<context>
    <name>ClassroomLayoutManager</name>
    <message>
        <source>Copy of %1</source>
        <translation>Copia de %1</translation>
    </message>
    <message>
        <source>The classroom list could not be read</source>
        <translation>No se pudo leer la lista de aulas</translation>
    </message>
</context>
<context>
    <name>ClassroomLayoutModel</name>
    <message>
        <source>Copy of %1</source>
        <translation>Copia de %1</translation>
    </message>
    <message>
        <source>Too big to open: over %1 blocks or %2 furniture items</source>
        <translation>Demasiado grande para abrir: más de %1 bloques o %2 muebles</translation>
    </message>
</context>
<context>
    <name>ClassroomPrimaryDisplay</name>
    <message>
        <source>Primary Display</source>
        <translation>Pantalla principal</translation>
    </message>
</context>
<context>
    <name>CloseDialog</name>
    <message>
        <source>Save your changes before closing?&lt;br&gt;&lt;b&gt;Unsaved changes will be lost.&lt;/b&gt;</source>
        <translation>¿Guardar los cambios antes de cerrar?&lt;br&gt;&lt;b&gt;Los cambios no guardados se perderán.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>GUARDAR</translation>
    </message>
    <message>
        <source>DON&apos;T SAVE</source>
        <translation>NO GUARDAR</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Save your changes before closing?</source>
        <translation>¿Guardar los cambios antes de cerrar?</translation>
    </message>
</context>
<context>
    <name>ConfirmDialog</name>
    <message>
        <source>CONFIRM</source>
        <translation>CONFIRMAR</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
</context>
<context>
    <name>ConnectingOverlay</name>
    <message>
        <source>Connecting…</source>
        <translation>Conectando…</translation>
    </message>
</context>
<context>
    <name>CreateFirstUseGuide</name>
    <message>
        <source>If you have a Primary Display in your space, drag one 
from the menu on the left that most closely matches onto the canvas.</source>
        <translation>Si su aula tiene una pantalla principal, arrastre la que más se parezca 
desde el menú de la izquierda al lienzo.</translation>
    </message>
    <message>
        <source>Add furniture elements to your room or Display Blocks 
so that they generally match the layout of the space.</source>
        <translation>Añada muebles o bloques de pantalla a su aula 
para que se parezcan a la distribución del espacio.</translation>
    </message>
    <message>
        <source>Select a furniture element to edit size, orientation or to delete it.</source>
        <translation>Seleccione un mueble para cambiar su tamaño u orientación, o para eliminarlo.</translation>
    </message>
</context>
<context>
    <name>CurlReply</name>
    <message>
        <source>Error transferring %1 - server replied: %2</source>
        <translation>Error al transferir %1; el servidor respondió: %2</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Operación cancelada</translation>
    </message>
    <message>
        <source>Not an HTTP answer</source>
        <translation>No es una respuesta HTTP</translation>
    </message>
</context>
<context>
    <name>DeleteClassroomDialog</name>
    <message>
        <source>Delete %1?</source>
        <translation>¿Eliminar %1?</translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
    <message>
        <source>SAVE</source>
        <translation>GUARDAR</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
</context>
<context>
    <name>DisconnectedOverlay</name>
    <message>
        <source>(Disconnected)</source>
        <translation>(Desconectado)</translation>
    </message>
    <message>
        <source>(Address not valid)</source>
        <translation>(Dirección no válida)</translation>
    </message>
</context>
<context>
    <name>DragImage</name>
    <message>
        <source>Primary Display</source>
        <translation>Pantalla principal</translation>
    </message>
</context>
<context>
    <name>EditorLogic</name>
    <message>
        <source>Door</source>
        <translation>Puerta</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Pantallas</translation>
    </message>
    <message>
        <source>Primary Display</source>
        <translation>Pantalla principal</translation>
    </message>
    <message>
        <source>Flat Panel</source>
        <translation>Panel plano</translation>
    </message>
    <message>
        <source>Projector</source>
        <translation>Proyector</translation>
    </message>
    <message>
        <source>Tables</source>
        <translation>Mesas</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Redonda</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Ovalada</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangular</translation>
    </message>
    <message>
        <source>Chairs</source>
        <translation>Sillas</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrada</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
</context>
<context>
    <name>FailurePanel</name>
    <message>
        <source>There was a problem loading your rooms.
Please try again.</source>
        <translation>Hubo un problema al cargar sus aulas.
Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
</context>
<context>
    <name>FirstUseGuide</name>
    <message>
        <source>DONE</source>
        <translation>LISTO</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>SIGUIENTE</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>OMITIR</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Primeros pasos</translation>
    </message>
</context>
<context>
    <name>FirstUsePanel</name>
    <message>
        <source>Create your first room</source>
        <translation>Cree su primera aula</translation>
    </message>
    <message>
        <source>Create a room and add furniture
 elements to bring your room to life.</source>
        <translation>Cree un aula y añada muebles
 para darle vida.</translation>
    </message>
</context>
<context>
    <name>HomeButtons</name>
    <message>
        <source>Add classroom</source>
        <translation>Añadir aula</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
</context>
<context>
    <name>HomeLogic</name>
    <message>
        <source>Square</source>
        <translation>Cuadrada</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangular</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abierta</translation>
    </message>
    <message>
        <source>Are you sure you want to &lt;br&gt;delete &lt;b&gt;%1&lt;/b&gt;?</source>
        <translation>¿Seguro que desea &lt;br&gt;eliminar &lt;b&gt;%1&lt;/b&gt;?</translation>
    </message>
    <message>
        <source>ROOM # %1</source>
        <translation>AULA N.º %1</translation>
    </message>
</context>
<context>
    <name>LayoutEditingSession</name>
    <message>
        <source>This room cannot be saved: its id in the cloud service is not valid</source>
        <translation>No se puede guardar esta aula: su ID en el servicio en la nube no es válido</translation>
    </message>
</context>
<context>
    <name>LeaveDialog</name>
    <message>
        <source>Are you sure you want to leave?&lt;br&gt;&lt;b&gt;Your changes won&apos;t be saved.&lt;/b&gt;</source>
        <translation>¿Seguro que desea salir?&lt;br&gt;&lt;b&gt;Sus cambios no se guardarán.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>SALIR</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Leave without saving?</source>
        <translation>¿Salir sin guardar?</translation>
    </message>
</context>
<context>
    <name>LoginLogic</name>
    <message>
        <source>Enter Email and Password</source>
        <translation>Introduzca el correo y la contraseña</translation>
    </message>
    <message>
        <source>Enter Email</source>
        <translation>Introduzca el correo</translation>
    </message>
    <message>
        <source>Enter Password</source>
        <translation>Introduzca la contraseña</translation>
    </message>
</context>
<context>
    <name>LoginScreen</name>
    <message>
        <source>Login timed out.</source>
        <translation>Se agotó el tiempo para iniciar sesión.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Entrar</translation>
    </message>
</context>
<context>
    <name>LogoutDialog</name>
    <message>
        <source>Logout</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Enter your password to continue.</source>
        <translation>Introduzca su contraseña para continuar.</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Contraseña no válida</translation>
    </message>
    <message>
        <source>To reset your password, please contact your Trellion Admin.</source>
        <translation>Para restablecer su contraseña, póngase en contacto con el administrador de Trellion.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>LOGOUT</source>
        <translation>CERRAR SESIÓN</translation>
    </message>
</context>
<context>
    <name>MessageCreateTab</name>
    <message>
        <source>Create Custom Message</source>
        <translation>Crear mensaje personalizado</translation>
    </message>
    <message>
        <source>I have a question</source>
        <translation>Tengo una pregunta</translation>
    </message>
    <message>
        <source>Pick an Icon</source>
        <translation>Elija un icono</translation>
    </message>
    <message>
        <source>Scroll icons</source>
        <translation>Desplazar iconos</translation>
    </message>
</context>
<context>
    <name>MessageEditTab</name>
    <message>
        <source>Existing Messages</source>
        <translation>Mensajes existentes</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Eliminar %1</translation>
    </message>
</context>
<context>
    <name>NoneBox</name>
    <message>
        <source>NONE</source>
        <translation>NINGUNA</translation>
    </message>
</context>
<context>
    <name>OverlayMessageDialog</name>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>CERRAR</translation>
    </message>
    <message>
        <source>CONFIRM</source>
        <translation>CONFIRMAR</translation>
    </message>
    <message>
        <source>Messages Full</source>
        <translation>Límite de mensajes alcanzado</translation>
    </message>
    <message>
        <source>Custom Messages</source>
        <translation>Mensajes personalizados</translation>
    </message>
</context>
<context>
    <name>OverlayMessageManager</name>
    <message>
        <source>Eyes Up Front</source>
        <translation>Mirada al frente</translation>
    </message>
</context>
<context>
    <name>PasswordField</name>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
</context>
<context>
    <name>PodAddressCheck</name>
    <message>
        <source>Leave out the http:// — the address alone, such as 10.0.4.21</source>
        <translation>Sin http://: solo la dirección, por ejemplo 10.0.4.21</translation>
    </message>
    <message>
        <source>A pod address has no spaces</source>
        <translation>La dirección de un Pod no lleva espacios</translation>
    </message>
    <message>
        <source>Leave out the path — the address alone, such as 10.0.4.21</source>
        <translation>Sin ruta de acceso: solo la dirección, por ejemplo 10.0.4.21</translation>
    </message>
    <message>
        <source>Not a host name or IP address (an IPv6 address goes in brackets)</source>
        <translation>No es un nombre de host ni una dirección IP (una dirección IPv6 va entre corchetes)</translation>
    </message>
    <message>
        <source>The port must be from 1 to 65535</source>
        <translation>El puerto debe estar entre 1 y 65535</translation>
    </message>
</context>
<context>
    <name>PodAddressField</name>
    <message>
        <source>Looking for the pod…</source>
        <translation>Buscando el Pod…</translation>
    </message>
    <message>
        <source>Not answering now</source>
        <translation>No responde ahora</translation>
    </message>
</context>
<context>
    <name>PodPreviewButton</name>
    <message>
        <source>Show live view of %1</source>
        <translation>Mostrar la vista en directo de %1</translation>
    </message>
    <message>
        <source>Live view</source>
        <translation>Vista en directo</translation>
    </message>
</context>
<context>
    <name>PrimaryDisplayDialog</name>
    <message>
        <source>A primary display needs its pod&apos;s address.</source>
        <translation>Una pantalla principal necesita la dirección de su Pod.</translation>
    </message>
    <message>
        <source>Connect Primary Display to a 
Lumaret Pod.</source>
        <translation>Conecte la pantalla principal a un 
Pod Lumaret.</translation>
    </message>
    <message>
        <source>Pod Address</source>
        <translation>Dirección del Pod</translation>
    </message>
    <message>
        <source>Primary Display</source>
        <translation>Pantalla principal</translation>
    </message>
</context>
<context>
    <name>QuorvexColorPicker</name>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Color %1</translation>
    </message>
</context>
<context>
    <name>QuorvexTextInput</name>
    <message numerus="yes">
        <source>At most %n characters</source>
        <translation>
            <numerusform>Como máximo %n carácter</numerusform>
            <numerusform>Como máximo %n caracteres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReSignInDialog</name>
    <message>
        <source>Sign In Again</source>
        <translation>Volver a iniciar sesión</translation>
    </message>
    <message>
        <source>Your sign-in has expired. Enter the password of&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;to continue where you left off.</source>
        <translation>Su sesión ha caducado. Introduzca la contraseña de&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;para continuar donde lo dejó.</translation>
    </message>
    <message>
        <source>SIGN OUT</source>
        <translation>CERRAR SESIÓN</translation>
    </message>
    <message>
        <source>SIGN IN</source>
        <translation>INICIAR SESIÓN</translation>
    </message>
</context>
<context>
    <name>RememberUsername</name>
    <message>
        <source>Remember Username</source>
        <translation>Recordar usuario</translation>
    </message>
</context>
<context>
    <name>RoomForm</name>
    <message>
        <source>Please name your room.</source>
        <translation>Póngale un nombre a su aula.</translation>
    </message>
    <message>
        <source>Enter Room Name</source>
        <translation>Nombre del aula</translation>
    </message>
    <message>
        <source>Enter Room #</source>
        <translation>Número de aula</translation>
    </message>
    <message>
        <source>Enter Building Name</source>
        <translation>Nombre del edificio</translation>
    </message>
    <message>
        <source>Choose the room shape that best represents your room. </source>
        <translation>Elija la forma que mejor represente su aula. </translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>GUARDAR</translation>
    </message>
    <message>
        <source>A room needs a name.</source>
        <translation>Un aula necesita un nombre.</translation>
    </message>
</context>
<context>
    <name>RoomShapeTile</name>
    <message>
        <source>No shape</source>
        <translation>Sin forma</translation>
    </message>
</context>
<context>
    <name>RotationDial</name>
    <message>
        <source>Rotation</source>
        <translation>Rotación</translation>
    </message>
</context>
<context>
    <name>RoutableBlock</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1, disconnected</source>
        <translation>%1, desconectado</translation>
    </message>
    <message>
        <source>shows %1</source>
        <translation>muestra %1</translation>
    </message>
    <message>
        <source>display, receives %1</source>
        <translation>pantalla, recibe %1</translation>
    </message>
    <message>
        <source>sends to %1</source>
        <translation>envía a %1</translation>
    </message>
    <message>
        <source>%1, connecting</source>
        <translation>%1, conectando</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The stored pod address is not valid</source>
        <translation>La dirección del pod guardada no es válida</translation>
    </message>
</context>
<context>
    <name>RouteExitDialog</name>
    <message>
        <source>Invalid password, please try again.</source>
        <translation>Contraseña no válida; inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Exit room?</source>
        <translation>¿Salir del aula?</translation>
    </message>
    <message>
        <source>Exiting will remove active routes to&lt;br&gt;displays in &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Al salir se eliminarán las rutas activas&lt;br&gt;a las pantallas de &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Enter your password to continue.</source>
        <translation>Introduzca su contraseña para continuar.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>SALIR</translation>
    </message>
</context>
<context>
    <name>RouteFirstUseGuide</name>
    <message>
        <source>Show one display&apos;s content on another display.</source>
        <translation>Muestre el contenido de una pantalla en otra.</translation>
    </message>
    <message>
        <source>Press and hold to show the Primary display&apos;s content on all displays.</source>
        <translation>Mantenga pulsado para mostrar el contenido de la pantalla principal en todas las pantallas.</translation>
    </message>
</context>
<context>
    <name>RouteLine</name>
    <message>
        <source>Shared from %1</source>
        <translation>Compartido desde %1</translation>
    </message>
</context>
<context>
    <name>RouteLineView</name>
    <message>
        <source>Remove route from %1 to %2</source>
        <translation>Quitar la conexión de %1 a %2</translation>
    </message>
    <message>
        <source>Remove route</source>
        <translation>Quitar la conexión</translation>
    </message>
</context>
<context>
    <name>RouteMenu</name>
    <message>
        <source>Add New</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Primary to All</source>
        <translation>Principal a todas</translation>
    </message>
    <message>
        <source>Banners</source>
        <translation>Rótulos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>RouteMenuItem</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>RoutingSession</name>
    <message>
        <source>%1 already shows %2</source>
        <translation>%1 ya muestra %2</translation>
    </message>
    <message>
        <source>%1&apos;s display is not answering</source>
        <translation>La pantalla de %1 no responde</translation>
    </message>
    <message>
        <source>%1&apos;s display is back</source>
        <translation>La pantalla de %1 ha vuelto</translation>
    </message>
    <message>
        <source>%1&apos;s display did not answer: %2 is not shown on %3</source>
        <translation>La pantalla de %1 no respondió: %2 no se muestra en %3</translation>
    </message>
    <message>
        <source>Not shared to %1: already in another route</source>
        <translation>No compartido con %1: ya está en otra conexión</translation>
    </message>
</context>
<context>
    <name>SaveBar</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>SaveToast</name>
    <message>
        <source>Room Saved</source>
        <translation>Aula guardada</translation>
    </message>
    <message>
        <source>Room Save Failed</source>
        <translation>No se pudo guardar el aula</translation>
    </message>
    <message>
        <source>RETRY</source>
        <translation>REINTENTAR</translation>
    </message>
    <message>
        <source>DISMISS</source>
        <translation>DESCARTAR</translation>
    </message>
</context>
<context>
    <name>ScreenKeyDialog</name>
    <message>
        <source>&lt;b&gt;Enter&lt;/b&gt; a &lt;b&gt;Screen Key&lt;/b&gt; on one &lt;br&gt;of the displays in &lt;br&gt; &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>&lt;b&gt;Introduzca&lt;/b&gt; el &lt;b&gt;código de pantalla&lt;/b&gt; de una &lt;br&gt;de las pantallas de &lt;br&gt; &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>CONFIRM</source>
        <translation>CONFIRMAR</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Enter a Screen Key</source>
        <translation>Introduzca una clave de pantalla</translation>
    </message>
</context>
<context>
    <name>ScreenKeyField</name>
    <message>
        <source>Screen key character %1</source>
        <translation>Carácter %1 de la clave de pantalla</translation>
    </message>
</context>
<context>
    <name>ScreenKeyMismatchDialog</name>
    <message>
        <source>That key doesn&apos;t match any of the screen keys displayed in %1.</source>
        <translation>Ese código no coincide con ninguno de los códigos de pantalla que se muestran en %1.</translation>
    </message>
    <message>
        <source>CONFIRM</source>
        <translation>CONFIRMAR</translation>
    </message>
    <message>
        <source>Screen key does not match</source>
        <translation>La clave de pantalla no coincide</translation>
    </message>
</context>
<context>
    <name>SettingsList</name>
    <message>
        <source>Password required for logout</source>
        <translation>Contraseña obligatoria para cerrar sesión</translation>
    </message>
    <message>
        <source>Enable frame forwarding optimization</source>
        <translation>Activar la optimización del reenvío de imágenes</translation>
    </message>
    <message>
        <source>Primary Display Sharing Mode</source>
        <translation>Modo de uso compartido de la pantalla principal</translation>
    </message>
    <message>
        <source>Sets how content from the primary display shows when routed to a team display. Full screen covers all posts shared to the team display. Side by side shows primary display content next to team display posts.</source>
        <translation>Define cómo se muestra el contenido de la pantalla principal cuando se envía a la pantalla de un equipo. Pantalla completa cubre todas las publicaciones compartidas en la pantalla del equipo. En paralelo muestra el contenido de la pantalla principal junto a las publicaciones de la pantalla del equipo.</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>En paralelo</translation>
    </message>
    <message>
        <source>Scroll settings</source>
        <translation>Desplazar ajustes</translation>
    </message>
</context>
<context>
    <name>SettingsLogic</name>
    <message>
        <source>Some settings below may be managed by your administrator</source>
        <translation>Es posible que algunos de los siguientes ajustes los gestione su administrador</translation>
    </message>
    <message>
        <source>The settings below are managed by your administrator</source>
        <translation>Los siguientes ajustes los gestiona su administrador</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Close settings</source>
        <translation>Cerrar ajustes</translation>
    </message>
</context>
<context>
    <name>SnapshotViewer</name>
    <message>
        <source>Live view: %1</source>
        <translation>Vista en directo: %1</translation>
    </message>
    <message>
        <source>No picture from this pod</source>
        <translation>No hay imagen de este Pod</translation>
    </message>
    <message>
        <source>Showing the last picture it sent</source>
        <translation>Se muestra la última imagen que envió</translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation>Haga clic para cerrar</translation>
    </message>
    <message>
        <source>Close live view</source>
        <translation>Cerrar la vista en directo</translation>
    </message>
</context>
<context>
    <name>StateManager</name>
    <message>
        <source>Invalid Account Permissions, please contact your Trellion Admin.</source>
        <translation>Permisos de cuenta no válidos; póngase en contacto con el administrador de Trellion.</translation>
    </message>
    <message>
        <source>There was a problem logging in.
Please check your network connection and try again.</source>
        <translation>Hubo un problema al iniciar sesión.
Compruebe su conexión de red e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Invalid email or password.
To reset your password, please contact your Trellion Admin.</source>
        <translation>Correo electrónico o contraseña no válidos.
Para restablecer su contraseña, póngase en contacto con el administrador de Trellion.</translation>
    </message>
    <message>
        <source>The service address is not secure.
Please contact your Trellion Admin.</source>
        <translation>La dirección del servicio no es segura.
Póngase en contacto con el administrador de Trellion.</translation>
    </message>
    <message>
        <source>The service&apos;s certificate is not trusted.
Please contact your Trellion Admin.</source>
        <translation>El certificado del servicio no es de confianza.
Póngase en contacto con el administrador de Trellion.</translation>
    </message>
    <message>
        <source>Trellion is not set up to reach its service yet.
Please contact your Trellion Admin.</source>
        <translation>Trellion aún no está configurado para acceder a su servicio.
Póngase en contacto con el administrador de Trellion.</translation>
    </message>
</context>
<context>
    <name>TeamBlockDialog</name>
    <message>
        <source>New Team Block</source>
        <translation>Nuevo bloque de equipo</translation>
    </message>
    <message>
        <source>Edit Team Block</source>
        <translation>Editar bloque de equipo</translation>
    </message>
</context>
<context>
    <name>TeamBlockForm</name>
    <message>
        <source>A team needs a name.</source>
        <translation>Un equipo necesita un nombre.</translation>
    </message>
    <message>
        <source>A team needs its pod&apos;s address.</source>
        <translation>Un equipo necesita la dirección de su Pod.</translation>
    </message>
    <message>
        <source>New team block</source>
        <translation>Nuevo bloque de equipo</translation>
    </message>
    <message>
        <source>Edit team block</source>
        <translation>Editar bloque de equipo</translation>
    </message>
    <message>
        <source>Team Name</source>
        <translation>Nombre del equipo</translation>
    </message>
    <message>
        <source>Enter Team Name</source>
        <translation>Introduzca el nombre del equipo</translation>
    </message>
    <message>
        <source>Pod Address</source>
        <translation>Dirección del Pod</translation>
    </message>
    <message>
        <source>Enter Pod Address</source>
        <translation>Introduzca la dirección del Pod</translation>
    </message>
</context>
<context>
    <name>TeamBlockToolbar</name>
    <message>
        <source>Larger</source>
        <translation>Más grande</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Más pequeño</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>TopBar</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Logout</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Account menu</source>
        <translation>Menú de la cuenta</translation>
    </message>
</context>
<context>
    <name>ZoomControl</name>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
</context>
</TS>
