/* The language modules' string IDs, one name per string.  Read by the
   program's C++ code and by the modules' string tables (windres), so the file
   holds nothing but defines and comments. */
#ifndef VREX_LANG_STRING_IDS_H
#define VREX_LANG_STRING_IDS_H

/* Main window: the text over the gauge bar, the button captions, and the
   caption and message of the wait note shown while gathering. */
#define IDS_GAUGE_LABEL 1
#define IDS_REPORT_BUTTON 10
#define IDS_ABOUT_BUTTON 11
#define IDS_LANGUAGE_BUTTON 12
#define IDS_MINIMIZE_BUTTON 13
#define IDS_WAIT_CAPTION 14
#define IDS_WAIT_MESSAGE 15
#define IDS_CLOSE_BUTTON 52

/* Main window: the right pane's pop-up menu. */
#define IDS_PANE_COPY 16
#define IDS_PANE_COPY_GROUP 17
#define IDS_PANE_REFRESH 18

/* Left pane: the three section captions. */
#define IDS_SECTION_NETWORK 538
#define IDS_SECTION_INTERNET 539
#define IDS_SECTION_ACCOUNTS 100

/* Left pane: the sub-item captions; the catalogue also picks each page's
   gatherer by them.  Global groups is matched by caption but not listed. */
#define IDS_SUBITEM_BASIC_INFO 540
#define IDS_SUBITEM_ADAPTERS 525
#define IDS_SUBITEM_PROTOCOLS 526
#define IDS_SUBITEM_SERVICES 527
#define IDS_SUBITEM_CLIENTS 528
#define IDS_SUBITEM_TCPIP 529
#define IDS_SUBITEM_WINSOCK 561
#define IDS_SUBITEM_MAIL 80
#define IDS_SUBITEM_PROXY 81
#define IDS_SUBITEM_BROWSERS 82
#define IDS_SUBITEM_DIALUP 350
#define IDS_SUBITEM_USERS 101
#define IDS_SUBITEM_LOCAL_GROUPS 102
#define IDS_SUBITEM_GLOBAL_GROUPS 103

/* Basic information page: the labels. */
#define IDS_BASIC_IP_ADDRESS 531
#define IDS_BASIC_PHYSICAL_ADDRESS 532
#define IDS_BASIC_CONNECTION_STATUS 533
#define IDS_BASIC_WORKGROUP 600
#define IDS_BASIC_COMPUTER_NAME 601
#define IDS_BASIC_USER_NAME 602

/* Network adapters page: the driver sub-heading and its labels. */
#define IDS_ADAPTER_DRIVER 500
#define IDS_ADAPTER_DESCRIPTION 501
#define IDS_ADAPTER_PROVIDER 502
#define IDS_ADAPTER_DRIVER_VERSION 503
#define IDS_ADAPTER_DRIVER_DATE 504
#define IDS_ADAPTER_INF_FILE 505

/* TCP/IP settings page: the labels and the values of "DHCP enabled". */
#define IDS_TCPIP_IP_ADDRESS 299
#define IDS_TCPIP_PRIMARY_DNS 300
#define IDS_TCPIP_OTHER_DNS 301
#define IDS_TCPIP_DNS_SERVERS 302
#define IDS_TCPIP_DEFAULT_GATEWAY 303
#define IDS_TCPIP_DHCP_ENABLED 304
#define IDS_TCPIP_SUBNET_MASK 306
#define IDS_TCPIP_YES 20
#define IDS_TCPIP_NO 21

/* Winsock page: the labels. */
#define IDS_WINSOCK_DESCRIPTION 541
#define IDS_WINSOCK_VERSION 542
#define IDS_WINSOCK_STATUS 543

/* Mail accounts page: the account heading and its labels. */
#define IDS_MAIL_ACCOUNT 550
#define IDS_MAIL_ADDRESS 551
#define IDS_MAIL_POP3_SERVER 552
#define IDS_MAIL_SMTP_SERVER 553
#define IDS_MAIL_POP3_USER 554
#define IDS_MAIL_DISPLAY_NAME 555

/* Web browsers page: the labels. */
#define IDS_BROWSER_IE_VERSION 357
#define IDS_BROWSER_START_PAGE 570
#define IDS_BROWSER_NETSCAPE_VERSION 571

/* Dial-up connections page: the line shown without dial-up networking, the
   entry heading, the switch labels (each ends in its one colon), the property
   labels, and the words a switch's number turns into. */
#define IDS_DIALUP_NOT_INSTALLED 650
#define IDS_DIALUP_CONNECTION 1000
#define IDS_DIALUP_USE_DIALING_RULES 1001
#define IDS_DIALUP_SPECIFIC_IP 1002
#define IDS_DIALUP_SPECIFIC_NAME_SERVERS 1003
#define IDS_DIALUP_HEADER_COMPRESSION 1004
#define IDS_DIALUP_REMOTE_GATEWAY 1005
#define IDS_DIALUP_NO_LCP_EXTENSIONS 1006
#define IDS_DIALUP_TERMINAL_BEFORE 1007
#define IDS_DIALUP_TERMINAL_AFTER 1008
#define IDS_DIALUP_MODEM_LIGHTS 1009
#define IDS_DIALUP_SOFTWARE_COMPRESSION 1010
#define IDS_DIALUP_ENCRYPTED_PASSWORD 1011
#define IDS_DIALUP_MS_ENCRYPTED_PASSWORD 1012
#define IDS_DIALUP_TRY_ALTERNATES 1013
#define IDS_DIALUP_NETWORK_LOGON 1014
#define IDS_DIALUP_IPX_SPX 1040
#define IDS_DIALUP_NETBEUI 1041
#define IDS_DIALUP_TCPIP 1042
#define IDS_DIALUP_DATA_ENCRYPTION 1043
#define IDS_DIALUP_USE_LOGON_CREDENTIALS 1044
#define IDS_DIALUP_IP_ADDRESS 1016
#define IDS_DIALUP_PRIMARY_DNS 1017
#define IDS_DIALUP_SECONDARY_DNS 1018
#define IDS_DIALUP_PRIMARY_WINS 1019
#define IDS_DIALUP_SECONDARY_WINS 1020
#define IDS_DIALUP_SCRIPT 1021
#define IDS_DIALUP_DEVICE 1022
#define IDS_DIALUP_COUNTRY_ID 1024
#define IDS_DIALUP_COUNTRY_CODE 1025
#define IDS_DIALUP_AREA_CODE 1026
#define IDS_DIALUP_PHONE_NUMBER 1027
#define IDS_DIALUP_FRAMING_PROTOCOL 1029
#define IDS_DIALUP_SWITCH_ON 1050
#define IDS_DIALUP_SWITCH_OFF 1051

/* Users and groups pages: the members heading and the yes/no values. */
#define IDS_ACCOUNT_MEMBERS 104
#define IDS_ACCOUNT_YES 110
#define IDS_ACCOUNT_NO 111

/* Users page: the labels of a user and the words after a number. */
#define IDS_USER_NAME 120
#define IDS_USER_FULL_NAME 121
#define IDS_USER_DESCRIPTION 122
#define IDS_USER_LAST_LOGON 123
#define IDS_USER_LAST_LOGOFF 124
#define IDS_USER_LOGON_COUNT 125
#define IDS_USER_PASSWORD_AGE 126
#define IDS_USER_PRIVILEGE_LEVEL 127
#define IDS_USER_LOGON_SCRIPT 128
#define IDS_USER_ACCOUNT_DISABLED 129
#define IDS_USER_HOME_FOLDER_REQUIRED 130
#define IDS_USER_LOCKED_OUT 133
#define IDS_USER_DAYS 135
#define IDS_USER_SCRIPT_PATH 146
#define IDS_USER_ACCOUNT_EXPIRES 160
#define IDS_USER_NEVER 161
#define IDS_USER_MAX_STORAGE 165
#define IDS_USER_UNLIMITED 166
#define IDS_USER_UNKNOWN 180

/* Users page: the account type heading and the kinds of account. */
#define IDS_ACCOUNT_TYPE 190
#define IDS_ACCOUNT_NORMAL 140
#define IDS_ACCOUNT_TEMP_DUPLICATE 141
#define IDS_ACCOUNT_WORKSTATION_TRUST 142
#define IDS_ACCOUNT_SERVER_TRUST 143
#define IDS_ACCOUNT_INTERDOMAIN_TRUST 144

/* Users page: the operator rights heading and the operator kinds. */
#define IDS_OPERATOR_RIGHTS 149
#define IDS_OPERATOR_PRINT 150
#define IDS_OPERATOR_COMMUNICATIONS 151
#define IDS_OPERATOR_SERVER 152
#define IDS_OPERATOR_ACCOUNTS 153

/* Users page: the privilege levels. */
#define IDS_PRIVILEGE_GUEST 170
#define IDS_PRIVILEGE_USER 171
#define IDS_PRIVILEGE_ADMIN 172

/* Report window: the buttons, the pop-up menu and the caption; then the
   report's date line and its footer, each followed by its value. */
#define IDS_REPORT_PRINT 50100
#define IDS_REPORT_SAVE 50101
#define IDS_REPORT_SEND 50102
#define IDS_REPORT_SELECT_ALL 50103
#define IDS_REPORT_DESELECT_ALL 50104
#define IDS_REPORT_CAPTION 50200
#define IDS_REPORT_CREATED 50201
#define IDS_REPORT_GENERATED_BY 50202
/* A report file that cannot be written (%s: the file), the system's reason
   follows on the next line; the command-line report's usage, its unknown
   sub-item and its item list heading. */
#define IDS_REPORT_WRITE_FAILED 50203
#define IDS_REPORT_USAGE 50204
#define IDS_REPORT_UNKNOWN_ITEM 50205
/* A wrong command line (%s: the argument, the list of IDs or the option),
   the exit statuses of the usage, a run stopped by Ctrl+C (%s: the file), a
   missing device database (%s: its folder); a report file whose folder does
   not exist or that is itself a folder (%s: the folder, the file). */
#define IDS_CMD_UNKNOWN_OPTION 50206
#define IDS_CMD_UNEXPECTED 50207
#define IDS_CMD_NO_FILE 50208
#define IDS_CMD_NO_ITEMS 50209
#define IDS_CMD_BAD_ITEM 50210
#define IDS_CMD_EMPTY_ITEM 50211
#define IDS_CMD_TWICE 50212
#define IDS_CMD_EXIT_STATUS 50213
#define IDS_CMD_STOPPED 50214
#define IDS_CMD_NO_DATABASE 50215
#define IDS_REPORT_NO_FOLDER 50216
#define IDS_REPORT_IS_FOLDER 50217
/* The language chosen could not be saved (%s: the INI file); the system's
   reason follows on the next line. */
#define IDS_LANGUAGE_NOT_SAVED 50218
/* A report file name that names a pipe or a device (%s: the name). */
#define IDS_REPORT_NOT_A_FILE 50219
/* The --help line on the forms a report file name chooses. */
#define IDS_CMD_FILE_FORMS 50220

#endif /* VREX_LANG_STRING_IDS_H */
